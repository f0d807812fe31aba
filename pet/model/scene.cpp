#include "scene.h"

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
    for (size_t i = 0; i < m_props.size(); ++i) {
        const PropPlace pl = propDesignPlace(Prop(i));
        m_props[i].x = pl.x;
        m_props[i].y = pl.y;
    }
    m_buttons[size_t(Button::About)].toolTip = QStringLiteral("ぼくの事だよ");
    m_buttons[size_t(Button::Hobby)].toolTip = QStringLiteral("何して遊ぼうか？");
    m_buttons[size_t(Button::Present)].toolTip = QStringLiteral("何をプレゼントしてくれるの？");
    m_buttons[size_t(Button::Option)].toolTip = QStringLiteral("いろいろ設定できるよ");
    m_buttons[size_t(Button::Leave)].toolTip = QStringLiteral("どこかに行く時はぼくに言ってからね");
    m_buttons[size_t(Button::End)].toolTip = QStringLiteral("終わっちゃうの？");
    m_labels[size_t(Label::TotalTime)] = QStringLiteral("0000000");
    m_labels[size_t(Label::Level)] = QStringLiteral("普通");
    m_petTip = QStringLiteral("たまにクリックしてね！");
}

void Scene::setStrip(const QString &name)
{
    if (m_strip == name)
        return;
    m_strip = name;
    emit changed(PetPicture);
}

void Scene::setFrame(int n)
{
    if (m_frame == n)
        return;
    m_frame = n;
    emit changed(PetPicture);
}

void Scene::setPropVisible(Prop p, bool visible)
{
    PropState &s = m_props[size_t(p)];
    if (s.visible == visible)
        return;
    s.visible = visible;
    emit changed(Props);
}

void Scene::moveProp(Prop p, int x, int y)
{
    PropState &s = m_props[size_t(p)];
    if (s.x == x && s.y == y)
        return;
    s.x = x;
    s.y = y;
    if (s.visible)
        emit changed(Props);
}

void Scene::setPropPicture(Prop p, int picture)
{
    PropState &s = m_props[size_t(p)];
    if (s.picture == picture)
        return;
    s.picture = picture;
    if (s.visible)
        emit changed(Props);
}

void Scene::setButtonAvailable(Button b, bool available)
{
    ButtonState &s = m_buttons[size_t(b)];
    const ButtonLook look = available ? ButtonLook::Normal : ButtonLook::Unavailable;
    if (s.enabled == available && s.look == look)
        return;
    s.enabled = available;
    s.look = look;
    emit changed(Buttons);
}

void Scene::setButtonPressed(Button b, bool pressed)
{
    ButtonState &s = m_buttons[size_t(b)];
    if (!s.enabled)
        return; // an unavailable button ignores the mouse
    const ButtonLook look = pressed ? ButtonLook::Pressed : ButtonLook::Normal;
    if (s.look == look)
        return;
    s.look = look;
    emit changed(Buttons);
}

void Scene::setButtonToolTip(Button b, const QString &tip)
{
    ButtonState &s = m_buttons[size_t(b)];
    if (s.toolTip == tip)
        return;
    s.toolTip = tip;
    emit changed(Buttons);
}

void Scene::setLabel(Label l, const QString &text)
{
    QString &s = m_labels[size_t(l)];
    if (s == text)
        return;
    s = text;
    emit changed(Labels);
}

void Scene::setGermanTimeToolTip(const QString &tip)
{
    if (m_germanTip == tip)
        return;
    m_germanTip = tip;
    emit changed(Labels);
}

void Scene::setSummerMarkVisible(bool v)
{
    if (m_stVisible == v)
        return;
    m_stVisible = v;
    emit changed(Labels);
}

void Scene::setPetToolTip(const QString &tip)
{
    if (m_petTip == tip)
        return;
    m_petTip = tip;
    emit changed(PetPicture);
}

void Scene::setSpeechText(const QString &text)
{
    m_speechText = text;
    emit changed(Speech);
}

void Scene::showSpeech(QPoint placeTwips)
{
    m_speechOpen = true;
    m_speechPlace = placeTwips;
    ++m_speechBringUps;
    emit changed(Speech);
}

void Scene::moveSpeech(QPoint placeTwips)
{
    if (!m_speechOpen || m_speechPlace == placeTwips)
        return;
    m_speechPlace = placeTwips;
    emit changed(Speech);
}

void Scene::parkSpeech()
{
    if (!m_speechOpen)
        return;
    m_speechOpen = false;
    emit changed(Speech);
}

void Scene::setQuestion(const QString &text, const QString &a1, const QString &a2, const QString &a3)
{
    m_questionText = text;
    m_answers = {QString(), a1, a2, a3};
    emit changed(Question);
}

void Scene::showQuestion(QPoint placeTwips)
{
    m_questionOpen = true;
    m_questionPlace = placeTwips;
    ++m_questionBringUps;
    emit changed(Question);
}

void Scene::moveQuestion(QPoint placeTwips)
{
    if (!m_questionOpen || m_questionPlace == placeTwips)
        return;
    m_questionPlace = placeTwips;
    emit changed(Question);
}

void Scene::parkQuestion()
{
    if (!m_questionOpen)
        return;
    m_questionOpen = false;
    emit changed(Question);
}

void Scene::setPetShown(bool shown)
{
    if (m_petShown == shown)
        return;
    m_petShown = shown;
    emit changed(PetWindow);
}
