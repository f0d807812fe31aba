#include "scene.h"

#include <utility>

PropPlace propDesignPlace(Prop p)
{
    switch (p) {
    case Prop::Flower: return {8, 168, 27, 52};
    case Prop::Water: return {8, 160, 25, 29};
    case Prop::Tv: return {22, 40, 92, 48};
    case Prop::Computer: return {61, 85, 66, 39};
    case Prop::ToyCar: return {62, 185, 55, 25};
    case Prop::BlueCar: return {51, 184, 38, 46};
    case Prop::RivalCar: return {2, 188, 39, 45};
    case Prop::Grass: return {80, 65, 45, 50};
    case Prop::Bubble1: return {8, 120, 24, 23};
    case Prop::Bubble2: return {128, 32, 15, 14};
    case Prop::Count: break;
    }
    return {0, 0, 0, 0};
}

QString propPictureName(Prop p, int picture)
{
    switch (p) {
    case Prop::Flower: return QStringLiteral("flower%1").arg(picture);
    case Prop::Water: return QStringLiteral("water");
    case Prop::Tv: return QStringLiteral("tv%1").arg(picture);
    case Prop::Computer: return QStringLiteral("comp%1").arg(picture);
    case Prop::ToyCar: return QStringLiteral("mini4wd");
    case Prop::BlueCar: return QStringLiteral("berg");
    case Prop::RivalCar: return QStringLiteral("othermachine");
    case Prop::Grass: return QStringLiteral("susuki%1").arg(picture);
    case Prop::Bubble1: return QStringLiteral("awa1");
    case Prop::Bubble2: return QStringLiteral("awa2");
    case Prop::Count: break;
    }
    return QString();
}

Scene::Scene()
{
    for (size_t i = 0; i < m_c.props.size(); ++i) {
        const PropPlace pl = propDesignPlace(Prop(i));
        m_c.props[i].x = pl.x;
        m_c.props[i].y = pl.y;
    }
    m_c.buttons[size_t(Button::About)].toolTip = QStringLiteral("ぼくの事だよ");
    m_c.buttons[size_t(Button::Hobby)].toolTip = QStringLiteral("何して遊ぼうか？");
    m_c.buttons[size_t(Button::Present)].toolTip = QStringLiteral("何をプレゼントしてくれるの？");
    m_c.buttons[size_t(Button::Option)].toolTip = QStringLiteral("いろいろ設定できるよ");
    m_c.buttons[size_t(Button::Leave)].toolTip = QStringLiteral("どこかに行く時はぼくに言ってからね");
    m_c.buttons[size_t(Button::End)].toolTip = QStringLiteral("終わっちゃうの？");
    m_c.labels[size_t(Label::TotalTime)] = QStringLiteral("0000000");
    m_c.labels[size_t(Label::Level)] = QStringLiteral("普通");
    m_c.petTip = QStringLiteral("たまにクリックしてね！");
}

void Scene::setStrip(const QString &name)
{
    if (m_c.strip == name)
        return;
    m_c.strip = name;
    notify(PetPicture);
}

void Scene::setFrame(int n)
{
    if (m_c.frame == n)
        return;
    m_c.frame = n;
    notify(PetPicture);
}

void Scene::setPropVisible(Prop p, bool visible)
{
    PropState &s = m_c.props[size_t(p)];
    if (s.visible == visible)
        return;
    s.visible = visible;
    notify(Props);
}

void Scene::moveProp(Prop p, int x, int y)
{
    PropState &s = m_c.props[size_t(p)];
    if (s.x == x && s.y == y)
        return;
    s.x = x;
    s.y = y;
    if (s.visible)
        notify(Props);
}

void Scene::setPropPicture(Prop p, int picture)
{
    PropState &s = m_c.props[size_t(p)];
    if (s.picture == picture)
        return;
    s.picture = picture;
    if (s.visible)
        notify(Props);
}

void Scene::setButtonAvailable(Button b, bool available)
{
    ButtonState &s = m_c.buttons[size_t(b)];
    const ButtonLook look = available ? ButtonLook::Normal : ButtonLook::Unavailable;
    if (s.enabled == available && s.look == look)
        return;
    s.enabled = available;
    s.look = look;
    notify(Buttons);
}

void Scene::setButtonPressed(Button b, bool pressed)
{
    ButtonState &s = m_c.buttons[size_t(b)];
    if (!s.enabled)
        return; // an unavailable button ignores the mouse
    const ButtonLook look = pressed ? ButtonLook::Pressed : ButtonLook::Normal;
    if (s.look == look)
        return;
    s.look = look;
    notify(Buttons);
}

void Scene::setButtonToolTip(Button b, const QString &tip)
{
    ButtonState &s = m_c.buttons[size_t(b)];
    if (s.toolTip == tip)
        return;
    s.toolTip = tip;
    notify(Buttons);
}

void Scene::setLabel(Label l, const QString &text)
{
    QString &s = m_c.labels[size_t(l)];
    if (s == text)
        return;
    s = text;
    notify(Labels);
}

void Scene::setGermanTimeToolTip(const QString &tip)
{
    if (m_c.germanTip == tip)
        return;
    m_c.germanTip = tip;
    notify(Labels);
}

void Scene::setSummerMarkVisible(bool v)
{
    if (m_c.stVisible == v)
        return;
    m_c.stVisible = v;
    notify(Labels);
}

void Scene::setPetToolTip(const QString &tip)
{
    if (m_c.petTip == tip)
        return;
    m_c.petTip = tip;
    notify(PetPicture);
}

void Scene::setSpeechText(const QString &text)
{
    m_c.speechText = text;
    notify(Speech);
}

void Scene::showSpeech(QPoint placeTwips)
{
    m_c.speechOpen = true;
    m_c.speechPlace = placeTwips;
    ++m_c.speechBringUps;
    notify(Speech);
}

void Scene::moveSpeech(QPoint placeTwips)
{
    if (!m_c.speechOpen || m_c.speechPlace == placeTwips)
        return;
    m_c.speechPlace = placeTwips;
    notify(Speech);
}

void Scene::parkSpeech()
{
    if (!m_c.speechOpen)
        return;
    m_c.speechOpen = false;
    notify(Speech);
}

void Scene::setQuestion(const QString &text, const QString &a1, const QString &a2, const QString &a3)
{
    m_c.questionText = text;
    m_c.answers = {QString(), a1, a2, a3};
    notify(Question);
}

void Scene::showQuestion(QPoint placeTwips)
{
    m_c.questionOpen = true;
    m_c.questionPlace = placeTwips;
    ++m_c.questionBringUps;
    notify(Question);
}

void Scene::moveQuestion(QPoint placeTwips)
{
    if (!m_c.questionOpen || m_c.questionPlace == placeTwips)
        return;
    m_c.questionPlace = placeTwips;
    notify(Question);
}

void Scene::parkQuestion()
{
    if (!m_c.questionOpen)
        return;
    m_c.questionOpen = false;
    notify(Question);
}

void Scene::setPetShown(bool shown)
{
    if (m_c.petShown == shown)
        return;
    m_c.petShown = shown;
    notify(PetWindow);
}

void Scene::notify(int parts)
{
    if (m_holding) {
        m_heldParts |= parts;
        return;
    }
    emit changed(parts);
}

int Scene::holdChanges(bool hold)
{
    m_holding = hold;
    return std::exchange(m_heldParts, 0);
}

ScenePicture Scene::picture() const { return {m_c.strip, m_c.frame, m_c.props}; }

std::shared_ptr<const void> Scene::save() const { return std::make_shared<SceneContent>(m_c); }

void Scene::restore(const std::shared_ptr<const void> &saved)
{
    if (saved)
        m_c = *static_cast<const SceneContent *>(saved.get());
}
