#include "pet/windows/petwindow.h"

#include "common/stepend.h"
#include "desktop/desktopwindow.h"
#include "pet/core/interaction.h"
#include "pet/core/pet.h"
#include "pet/windows/picturestore.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScopedValueRollback>
#include <QWindow>

namespace {
const char *const kButtonNames[] = {"about", "hobby", "present", "option", "leave", "end"};

QLabel *label(QWidget *parent, const QString &text, int x, int y, int w, int h,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text, parent);
    // Of fixed size, a label given a new text does not ask its window to lay out its children
    // again (the window has no layout; the request would only wake the event loop once more).
    l->setFixedSize(w, h);
    l->move(x, y);
    l->setAlignment(align);
    return l;
}
// A tooltip set again, even to the same text, sends the widget an event: set only a new one.
void setNewToolTip(QWidget *w, const QString &tip)
{
    if (w->toolTip() != tip)
        w->setToolTip(tip);
}
// The clocks and the minutes change every minute. Text of digits alone, which the font draws
// the same whether shaped or not, skips the shaping once `unshaped` allows it; other text
// ("Gestern", whose letters the font spaces by pairs) is shaped.
void setTextOfDigits(QLabel *l, const QString &text, bool unshaped)
{
    const bool digits = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() || c == u':'; });
    const QFont::StyleStrategy strategy = unshaped && digits ? QFont::PreferNoShaping : QFont::PreferDefault;
    if (l->font().styleStrategy() != strategy) {
        QFont f = l->font();
        f.setStyleStrategy(strategy);
        l->setFont(f);
    }
    l->setText(text);
}
} // namespace

PetView::PetView(const Scene &scene, QWidget *parent) : QWidget(parent), m_scene(scene)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    // On X the picture is put together in the server, on a window of its own that Qt leaves to
    // us; the labels and buttons beside it stay painted as one window by Qt.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !qEnvironmentVariableIsSet("TOBBERLY_PAINT_IN_PROGRAM")) {
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
    }
}

PetView::~PetView() = default;

QPaintEngine *PetView::paintEngine() const
{
    return testAttribute(Qt::WA_PaintOnScreen) ? nullptr : QWidget::paintEngine();
}

bool PetView::serverCanvasReady()
{
    const qreal ratio = devicePixelRatio();
    const bool wholeScale = ratio == std::floor(ratio) && int(ratio) <= 2;
    if (!m_canvasTried && testAttribute(Qt::WA_PaintOnScreen)) {
        m_canvasTried = true;
        m_canvas = ServerCanvas::open(winId());
    }
    if (m_canvas && !wholeScale) {
        // Moved to a screen of a ratio between whole ones: pictures are shrunk smoothly there,
        // which only the painter does.
        m_canvas.reset();
    }
    if (!m_canvas) {
        if (testAttribute(Qt::WA_PaintOnScreen))
            paintInProgram();
        return false;
    }
    if (m_composedRatio != ratio) {
        m_composedRatio = ratio;
        m_canvas->setSize(size() * int(ratio));
        // What waits for later was put together for the old picture.
        m_canvas->cancelLater();
        m_later.clear();
        composeInServer(rect(), m_scene.picture());
    }
    return true;
}

void PetView::paintInProgram()
{
    setAttribute(Qt::WA_PaintOnScreen, false);
    m_composedRatio = 0;
    update();
}

void PetView::composeInServer(const QRegion &area, const ScenePicture &picture)
{
    PictureStore &pictures = PictureStore::instance();
    const int s = int(m_composedRatio);
    const QColor background(0xf4, 0xee, 0xe2);
    // Each picture at the screen's ratio: a 1x picture standing in for a missing 2x one is
    // enlarged pixel for pixel, as the painter does.
    auto atRatio = [&](const QPixmap &pic) -> const QPixmap & {
        if (pic.isNull() || int(pic.devicePixelRatio()) == s)
            return pic;
        auto it = m_enlarged.find(pic.cacheKey());
        if (it == m_enlarged.end()) {
            QPixmap enlarged = pic.scaled(pic.size() * s / int(pic.devicePixelRatio()));
            enlarged.setDevicePixelRatio(s);
            it = m_enlarged.insert(pic.cacheKey(), enlarged);
        }
        return *it;
    };
    const QPixmap &all = atRatio(pictures.strip(picture.strip, s));
    const QRect frame = PictureStore::frameRect(all, picture.frame);
    if (all.cacheKey() != m_heldStrip) {
        if (m_heldStrip) {
            m_canvas->forget(m_heldStrip);
            m_enlarged.removeIf([this](const auto &e) { return e.value().cacheKey() == m_heldStrip; });
        }
        m_heldStrip = all.cacheKey();
    }
    // The frame and the props are drawn over the rectangle around the change, the server keeping
    // each copy within the change itself.
    const QRect box = area.boundingRect();
    m_canvas->limitTo(area, s);
    const QRect part = frame.isNull() ? QRect() : box & PictureStore::kFrameArea;
    if (!part.isEmpty())
        m_canvas->draw(all, QRect(frame.topLeft() + part.topLeft() * s, part.size() * s), part.topLeft() * s);
    if (part != box) {
        const QRegion bare = frame.isNull() ? QRegion(box) : QRegion(box) - PictureStore::kFrameArea;
        for (const QRect &b : bare)
            m_canvas->fill(QRect(b.topLeft() * s, b.size() * s), background);
    }
    for (int i = 0; i < int(Prop::Count); ++i) {
        const PropState &st = picture.props[size_t(i)];
        if (!st.visible)
            continue;
        const QPixmap &pic = atRatio(pictures.propPicture(Prop(i), st.picture, s));
        const QRect placed = QRect(QPoint(st.x, st.y), pic.deviceIndependentSize().toSize()) & box;
        if (!pic.isNull() && !placed.isEmpty())
            m_canvas->draw(pic, QRect((placed.topLeft() - QPoint(st.x, st.y)) * s, placed.size() * s),
                           placed.topLeft() * s);
    }
    m_canvas->show();
}

void PetView::paintEvent(QPaintEvent *e)
{
    // The benchmark asks when the pet's picture is first painted (the reference says so at the
    // same point of its own painting).
    static bool reported = !qEnvironmentVariableIsSet("TOBBERLY_REPORT_FIRST_PAINT");
    if (!reported) {
        reported = true;
        std::printf("first-paint %lld\n", (long long)QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
    }
    QPoint offset;
    // A grab of the view (redirected to a picture of its own) is painted as the painter does.
    if (testAttribute(Qt::WA_PaintOnScreen) && !redirected(&offset)) {
        if (serverCanvasReady()) {
            m_canvas->limitTo(e->region(), int(m_composedRatio));
            m_canvas->show();
        }
    } else {
        QPainter p(this);
        PictureStore::smoothWhenShrunk(p);
        // At a whole ratio each part asked for is drawn alone, clipped to its rectangle: pixel for
        // pixel, and by the painter's quick ways, which a clip of many rectangles would rule out.
        // Shrunk smoothly a part would blend its edges otherwise than the whole frame does, so there
        // the whole is drawn, clipped to all that was asked for.
        const qreal ratio = devicePixelRatio();
        if (ratio != std::floor(ratio)) {
            paintPart(p, rect(), ratio);
        } else {
            for (const QRect &r : e->region()) {
                p.setClipRect(r);
                paintPart(p, r, ratio);
            }
        }
    }
}

void PetView::paintPart(QPainter &p, const QRect &part, qreal ratio)
{
    PictureStore &pictures = PictureStore::instance();
    const QColor background(0xf4, 0xee, 0xe2);
    // The frame covers all but a thin margin; only what it leaves bare is filled.
    if (pictures.drawFrame(p, m_scene.strip(), m_scene.frame(), part)) {
        if (!PictureStore::kFrameArea.contains(part)) {
            for (const QRect &bare : QRegion(part) - PictureStore::kFrameArea)
                p.fillRect(bare, background);
        }
    } else {
        p.fillRect(part, background);
    }
    for (int i = 0; i < int(Prop::Count); ++i) {
        const PropState &s = m_scene.prop(Prop(i));
        if (!s.visible)
            continue;
        const QPixmap &pic = pictures.propPicture(Prop(i), s.picture, ratio);
        if (!pic.isNull() && part.intersects(QRect(QPoint(s.x, s.y), pic.deviceIndependentSize().toSize())))
            p.drawPixmap(s.x, s.y, pic);
    }
}

QRect PetView::propRect(Prop p, const PropState &s, qreal ratio) const
{
    if (!s.visible)
        return QRect();
    const QPixmap &pic = PictureStore::instance().propPicture(p, s.picture, ratio);
    return QRect(QPoint(s.x, s.y), pic.deviceIndependentSize().toSize());
}

void PetView::refresh()
{
    if (m_canvas) {
        // A step may change the frame and move several props one after another: the server's
        // picture is put together once, from all of it, when the step is over.
        if (!m_composeQueued) {
            m_composeQueued = true;
            stepend::call(this, [this] { composePending(); });
        }
        return;
    }
    const QRegion dirty = takeChanges(devicePixelRatio());
    if (!dirty.isEmpty())
        update(dirty);
}

QRegion PetView::takeChanges(qreal ratio)
{
    if (m_scene.strip() != m_strip) {
        m_strip = m_scene.strip();
        m_frame = m_scene.frame();
        for (int i = 0; i < int(Prop::Count); ++i)
            m_props[size_t(i)] = m_scene.prop(Prop(i));
        return rect();
    }
    // A new frame of the same strip is drawn where it differs from the one drawn; the props
    // over it are drawn again where they overlap that.
    QRegion dirty, props;
    if (m_scene.frame() != m_frame) {
        dirty = PictureStore::instance().frameChange(m_strip, m_frame, m_scene.frame(), ratio);
        m_frame = m_scene.frame();
    }
    for (int i = 0; i < int(Prop::Count); ++i) {
        const PropState &now = m_scene.prop(Prop(i));
        PropState &drawn = m_props[size_t(i)];
        if (now.visible == drawn.visible && now.x == drawn.x && now.y == drawn.y && now.picture == drawn.picture)
            continue;
        const QRect was = propRect(Prop(i), drawn, ratio), is = propRect(Prop(i), now, ratio);
        // A bubble rising a few pixels: for the server one rectangle around both places costs
        // less than working out their union, and it draws them in one request either way.
        if (m_canvas && was.intersects(is)) {
            props += was | is;
        } else {
            props += was;
            props += is;
        }
        drawn = now;
    }
    if (props.isEmpty())
        return dirty;
    // The props' few rectangles join a frame's many at once: each joining walks them all.
    dirty = dirty.isEmpty() ? props : dirty.united(props);
    // Painted here, each rectangle costs about as much as a few hundred pixels more of another;
    // the server takes all the rectangles of a change in one request.
    return m_canvas ? dirty : PictureStore::fewerRects(dirty);
}

bool PetView::composesNow(qreal ratio)
{
    if (!m_canvas || m_composedRatio == 0)
        return false;
    // Unseen (the pet minimised, on another desktop) nothing is sent: the picture is put together
    // whole when the server shows the window again.
    const QWindow *shown = window()->windowHandle();
    if (m_composedRatio != ratio || !shown || !shown->isExposed()) {
        m_composedRatio = 0;
        if (!shown || shown->isExposed())
            update();
        return false;
    }
    return true;
}

void PetView::composePending()
{
    m_composeQueued = false;
    const qreal ratio = devicePixelRatio();
    const qint64 now = steadyMs();
    settleLater(now);
    QRegion area = takeChanges(ratio);
    if (area.isEmpty() || !composesNow(ratio))
        return;
    // The picture changes otherwise than worked out: what waits is dropped, and as the window may
    // then show any of the pictures up to now, all of it is put together again.
    if (m_canvas->dropLater(now))
        area = rect();
    m_later.clear();
    composeInServer(area, m_scene.picture());
}

void PetView::settleLater(qint64 now)
{
    auto due = m_later.begin();
    while (due != m_later.end() && due->at <= now)
        ++due;
    if (due == m_later.begin())
        return;
    m_frame = (due - 1)->picture.frame;
    m_props = (due - 1)->picture.props;
    m_later.erase(m_later.begin(), due);
}

bool PetView::showsLater() const
{
    const QWindow *shown = window()->windowHandle();
    return m_canvas && m_canvas->canShowLater() && m_composedRatio != 0 && m_composedRatio == devicePixelRatio()
           && shown && shown->isExposed();
}

int PetView::showLater(const std::vector<Later> &moments)
{
    if (!showsLater())
        return 0;
    const qint64 now = steadyMs();
    settleLater(now);
    if (m_later == moments)
        return int(moments.size());
    const bool dropped = m_canvas->dropLater(now);
    m_later.clear();
    // The moments follow on from the scene's picture, which the window must show first.
    if (!takeChanges(m_composedRatio).isEmpty() || dropped)
        composeInServer(rect(), m_scene.picture());
    // Each moment is a few small requests that wait unread in the connection until it comes:
    // enough for a minute at the pet's usual pace, far less than the connection holds.
    constexpr int kMostLater = 100;
    int taken = 0;
    for (const Later &m : moments) {
        if (taken == kMostLater || m.picture.strip != m_strip || !m_canvas->beginLater(m.at))
            break;
        composeInServer(rect(), m.picture);
        m_later.push_back(m);
        ++taken;
    }
    m_canvas->endLater();
    return taken;
}

bool PetView::event(QEvent *e)
{
    // A native window made anew has a new id; the pictures in the server stay.
    if (e->type() == QEvent::WinIdChange && m_canvas)
        m_canvas->setWindow(internalWinId());
    return QWidget::event(e);
}

void PetView::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

PictureButton::PictureButton(const QString &name, QWidget *parent) : QWidget(parent), m_name(name)
{
    setFixedSize(36, 36);
}

void PictureButton::setLook(ButtonLook look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    static const char *const looks[] = {"normal", "pressed", "off"};
    QPainter p(this);
    PictureStore::smoothWhenShrunk(p);
    const QPixmap &pic = PictureStore::instance().picture(
        QStringLiteral("btn_") + m_name + u'_' + QString::fromLatin1(looks[int(m_look)]),
        devicePixelRatio());
    if (!pic.isNull()) {
        p.drawPixmap(0, 0, pic);
        return;
    }
    // Without its pictures the button still says what it is.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(m_look == ButtonLook::Unavailable ? QColor(200, 200, 200) : QColor(250, 214, 165));
    p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 6, 6);
}

void PictureButton::mousePressEvent(QMouseEvent *)
{
    if (isEnabled())
        emit pressedChanged(true);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (!isEnabled())
        return;
    emit pressedChanged(false);
    // Any mouse button presses the picture; only the left one is a click.
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

PetWindow::PetWindow(Pet &pet, QWidget *parent)
    : QWidget(parent, desktop::fixedSizeFlags(Qt::Window, true)), m_pet(pet)
{
    setWindowTitle(QStringLiteral("ピモといっしょ"));
    setFixedSize(292, 224);
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(11);
    setFont(f);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xfb, 0xf7, 0xef));
    setPalette(pal);

    m_view = new PetView(pet.scene(), this);
    m_view->setGeometry(0, 0, 154, 224);
    connect(m_view, &PetView::clicked, this, [this] {
        const QScopedValueRollback<bool> click(m_userClick, true);
        m_pet.interaction().clickPet();
    });

    auto *deco = label(this, QString(), 156, 2, 134, 220); // Label1: decoration only
    deco->setFrameShape(QFrame::StyledPanel);
    m_date = label(this, QString(), 162, 6, 124, 16);
    m_time = label(this, QString(), 162, 22, 36, 16);
    m_time->setToolTip(QStringLiteral("日本の時間だよ"));
    m_german = label(this, QString(), 196, 22, 82, 16, Qt::AlignRight | Qt::AlignVCenter);
    m_st = label(this, QStringLiteral("*"), 279, 22, 8, 16);
    m_st->setToolTip(QStringLiteral("3月末から10月末まではサマータイムだよ"));
    m_st->hide();
    label(this, QStringLiteral("仲良し度"), 162, 44, 124, 14);
    m_level = label(this, QStringLiteral("普通"), 168, 58, 118, 16);
    label(this, QStringLiteral("一緒にいる時間"), 162, 78, 124, 14);
    m_total = label(this, QStringLiteral("0000000"), 168, 92, 90, 16);
    label(this, QStringLiteral("分"), 262, 92, 20, 16);
    // The values stand out by colour: a bold face of the CJK font would cost megabytes.
    QPalette values = palette();
    values.setColor(QPalette::WindowText, QColor(0x8a, 0x3b, 0x12));
    m_level->setPalette(values);
    m_total->setPalette(values);
    // The labels whose text changes fill their own ground, the window's colour, so that a new
    // text is drawn alone, without the window and the frame beneath it painted again first.
    // They hold plain text: Qt need not look each new text over for markup.
    for (QLabel *l : {m_date, m_time, m_german, m_level, m_total}) {
        l->setAutoFillBackground(true);
        l->setTextFormat(Qt::PlainText);
    }

    // The unshaped font is a font engine of its own, which the start need not load: the labels
    // are drawn shaped until the first picture is up.
    desktop::afterFirstPaint(this, [this] {
        m_digitsUnshaped = true;
        refreshLabels();
    });

    const QPoint places[] = {{162, 136}, {204, 136}, {246, 136}, {162, 178}, {204, 178}, {246, 178}};
    const Button order[] = {Button::About, Button::Hobby, Button::Present,
                            Button::Option, Button::Leave, Button::End};
    for (int i = 0; i < 6; ++i) {
        const Button b = order[i];
        auto *btn = new PictureButton(QString::fromLatin1(kButtonNames[int(b)]), this);
        btn->move(places[i]);
        m_buttons[size_t(b)] = btn;
        connect(btn, &PictureButton::pressedChanged, this,
                [this, b](bool down) { m_pet.scene().setButtonPressed(b, down); });
        connect(btn, &PictureButton::clicked, this, [this, b] {
            const QScopedValueRollback<bool> click(m_userClick, true);
            onButton(b);
        });
    }

    connect(&pet.scene(), &Scene::changed, this, &PetWindow::sceneChanged);
    connect(&pet.scene(), &Scene::raisePet, this, &PetWindow::raiseForDialog);

    // Placement is reckoned on the outer frame: its size is known once the window manager has
    // framed the window, which corrects the first place once.
    auto *frames = new desktop::FrameWatch(this);
    connect(frames, &desktop::FrameWatch::frameChanged, this,
            [this](QSize outer) { m_pet.petFrameChanged(outer.width() * 15, outer.height() * 15); });
    readScreens();
    auto watchScreen = [this](QScreen *screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &PetWindow::readScreens);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen *screen) {
        watchScreen(screen);
        readScreens();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &PetWindow::readScreens);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &PetWindow::readScreens);
    refreshButtons();
    refreshLabels();
}

void PetWindow::readScreens()
{
    std::vector<placement::Area> areas;
    QList<QScreen *> screens = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (const QScreen *screen : screens) {
        const QRect a = screen->availableGeometry();
        if (!a.isEmpty())
            areas.push_back({a.x() * 15, a.y() * 15, a.width() * 15, a.height() * 15});
    }
    if (!areas.empty())
        m_pet.ctx().screen.screens = areas;
}

void PetWindow::raiseForDialog(bool activate)
{
    // Only the user's own click may give the pet the keyboard; on its own it comes forward quietly.
    if (activate && m_userClick) {
        if (isMinimized())
            showNormal();
        raise();
        activateWindow();
        return;
    }
    desktop::restoreQuietly(this);
    desktop::raiseQuietly(this);
}

void PetWindow::sceneChanged(int parts)
{
    if (parts & (Scene::PetPicture | Scene::Props)) {
        setNewToolTip(m_view, m_pet.scene().petToolTip());
        m_view->refresh();
    }
    if (parts & Scene::Buttons)
        refreshButtons();
    if (parts & Scene::Labels)
        refreshLabels();
    if (parts & Scene::PetWindow) {
        const ScreenGeometry &g = m_pet.ctx().screen;
        const QPoint place(g.petLeft / 15, g.petTop / 15);
        if (pos() != place)
            move(place);
        if (m_pet.scene().petShown())
            show();
        else
            hide();
    }
}

void PetWindow::refreshButtons()
{
    for (int i = 0; i < int(Button::Count); ++i) {
        const ButtonState &s = m_pet.scene().button(Button(i));
        PictureButton *b = m_buttons[size_t(i)];
        b->setEnabled(s.enabled);
        b->setLook(s.look);
        setNewToolTip(b, s.toolTip);
    }
}

void PetWindow::refreshLabels()
{
    const Scene &s = m_pet.scene();
    m_date->setText(s.label(Label::Date));
    setTextOfDigits(m_time, s.label(Label::Time), m_digitsUnshaped);
    setTextOfDigits(m_german, s.label(Label::GermanTime), m_digitsUnshaped);
    setNewToolTip(m_german, s.germanTimeToolTip());
    m_st->setVisible(s.summerMarkVisible());
    m_level->setText(s.label(Label::Level));
    setTextOfDigits(m_total, s.label(Label::TotalTime), m_digitsUnshaped);
}

void PetWindow::onButton(Button b)
{
    switch (b) {
    case Button::About:
        emit aboutRequested();
        break;
    case Button::Hobby:
        m_pet.interaction().clickHobby();
        break;
    case Button::Present:
        emit presentRequested();
        break;
    case Button::Option:
        emit optionsRequested();
        break;
    case Button::Leave:
        m_pet.interaction().clickLeave();
        break;
    case Button::End:
        close();
        break;
    case Button::Count:
        break;
    }
}

void PetWindow::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    // pos() is the outer frame's corner, the place mleft and mtop keep.
    m_pet.petMoved(qint32(pos().x()) * 15, qint32(pos().y()) * 15);
}

void PetWindow::closeEvent(QCloseEvent *e)
{
    if (m_pet.interaction().refuseClose()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("ピモ"), displayText(Interaction::refusalText()),
                        QMessageBox::Ok, this);
        desktop::keepOffTaskbar(&box);
        box.exec();
        e->ignore();
        return;
    }
    m_pet.exitSave(qint32(pos().x()) * 15, qint32(pos().y()) * 15);
    e->accept();
    QCoreApplication::quit();
}
