// The pet window "ピモといっしょ": the pet picture with its props, the six picture buttons and the
// labels. It renders the scene and turns clicks into calls on the pet's rules; it holds no rule.
#pragma once

#include "pet/model/scene.h"
#include "pet/windows/servercanvas.h"

#include <QHash>
#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class Pet;
class PetView;
class PictureButton;
class QPainter;

class PetWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PetWindow(Pet &pet, QWidget *parent = nullptr);

    PetView *view() const { return m_view; }
    PictureButton *button(Button b) const { return m_buttons[size_t(b)]; }

signals:
    void aboutRequested();
    void presentRequested();
    void optionsRequested();

protected:
    void closeEvent(QCloseEvent *e) override;
    void moveEvent(QMoveEvent *e) override;

private:
    void sceneChanged(int parts);
    void readScreens();
    // A dialog is being brought up: the pet comes to the front (and back from the taskbar)
    // without taking the keyboard; only while the user's own click is handled may it be activated.
    void raiseForDialog(bool activate);
    void refreshButtons();
    void refreshLabels();
    void onButton(Button b);

    Pet &m_pet;
    PetView *m_view;
    std::array<PictureButton *, size_t(Button::Count)> m_buttons{};
    QLabel *m_date, *m_time, *m_german, *m_st, *m_level, *m_total;
    bool m_closing = false;
    bool m_userClick = false;
    bool m_digitsUnshaped = false;
};

// The picture box of the pet: one frame of the current strip and the props over it.
class PetView : public QWidget
{
    Q_OBJECT
public:
    explicit PetView(const Scene &scene, QWidget *parent = nullptr);
    ~PetView() override;
    QSize sizeHint() const override { return {154, 224}; }
    // Asks for a repaint of what the scene changed since the last drawing: the whole picture for a
    // new strip, where the new frame differs from the last for a new frame of the same strip, the
    // old and new places of a prop that moved, nothing when all is as drawn.
    void refresh();
    // Whether the picture is put together in the X server (see ServerCanvas) rather than painted
    // here; decided when the view is first shown.
    bool drawsInServer() const { return m_canvas != nullptr; }
    int picturesHeldInServer() const { return m_canvas ? m_canvas->picturesHeld() : 0; }
    // Pictures for moments to come, each at its time (ms of the steady clock), shown by the server
    // while the program sleeps. Only those of the strip shown now are taken (the server lets go of
    // a strip no longer shown); gives how many were taken, from the first. The ones already
    // waiting are kept when they are the same.
    struct Later {
        qint64 at;
        ScenePicture picture;
        bool operator==(const Later &) const = default;
    };
    int showLater(const std::vector<Later> &moments);
    // Whether pictures for later can be shown now (put together in the server, seen).
    bool showsLater() const;
    QPaintEngine *paintEngine() const override;

signals:
    void clicked();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    // The frame, the bare margin and the props within `part`, for a device of this ratio.
    void paintPart(QPainter &p, const QRect &part, qreal ratio);
    QRect propRect(Prop p, const PropState &s, qreal ratio) const;
    // Opens the server's canvas at the first paint and puts the whole picture together when it
    // is new or the ratio changed; false when the view paints in the program instead.
    bool serverCanvasReady();
    // Whether a change is put together in the server at once (else at the next expose); ratio is
    // the view's device pixel ratio now.
    bool composesNow(qreal ratio);
    void composePending();
    // What changed since the last drawing, which then counts as drawn: the whole picture for a
    // new strip, else the squares where the frame differs and the old and new places of props, at
    // the view's device pixel ratio now.
    QRegion takeChanges(qreal ratio);
    // The server's way: `area` (window units) of `picture` put together anew and shown.
    void composeInServer(const QRegion &area, const ScenePicture &picture);
    // The pictures for later whose moments have come count as drawn.
    void settleLater(qint64 now);
    void paintInProgram();
    const Scene &m_scene;
    // What was last drawn, or asked to be.
    QString m_strip;
    int m_frame = -1;
    std::array<PropState, size_t(Prop::Count)> m_props{};
    std::unique_ptr<ServerCanvas> m_canvas;
    bool m_canvasTried = false;
    qreal m_composedRatio = 0; // the ratio the server's picture was put together at; 0: not yet
    qint64 m_heldStrip = 0;    // the strip the server holds
    bool m_composeQueued = false;
    QHash<qint64, QPixmap> m_enlarged; // 1x pictures standing in for missing 2x ones, enlarged
    std::vector<Later> m_later;          // the pictures for later not yet counted as drawn
};

// A 36 x 36 picture button with its normal, pressed and unavailable pictures.
class PictureButton : public QWidget
{
    Q_OBJECT
public:
    PictureButton(const QString &name, QWidget *parent = nullptr);
    void setLook(ButtonLook look);
    ButtonLook look() const { return m_look; }

signals:
    void pressedChanged(bool down);
    void clicked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString m_name;
    ButtonLook m_look = ButtonLook::Normal;
};
