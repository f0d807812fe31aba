// What the pet's windows show, as plain data the rules keep up to date: the pet's picture strip
// and frame, the props, the six buttons, the labels, the speech and question windows' contents
// and places. Windows render it and repaint only the parts whose change they are told of; tests
// read it directly.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <memory>

enum class Prop { Flower, Water, Tv, Computer, ToyCar, BlueCar, RivalCar, Grass, Bubble1, Bubble2, Count };
enum class Button { About, Hobby, Present, Option, Leave, End, Count };
enum class ButtonLook { Normal, Pressed, Unavailable };
enum class Label { Date, Time, GermanTime, TotalTime, Level, Count };

struct PropState {
    bool visible = false;
    int x = 0;
    int y = 0;
    int picture = 1; // which picture of the prop's set is shown (1-based; single props use 1)
};

inline bool operator==(const PropState &a, const PropState &b)
{
    return a.visible == b.visible && a.x == b.x && a.y == b.y && a.picture == b.picture;
}

// The pet's picture as a whole: the strip, its frame and the props over it.
struct ScenePicture {
    QString strip;
    int frame = 0;
    std::array<PropState, size_t(Prop::Count)> props;
    bool operator==(const ScenePicture &o) const = default;
};

struct ButtonState {
    bool enabled = true;
    ButtonLook look = ButtonLook::Normal;
    QString toolTip;
};

// Design places of the props (pixels of the pet window) and their sizes.
struct PropPlace {
    int x, y, w, h;
};
PropPlace propDesignPlace(Prop p);
// The file name (without .gif) of picture `picture` of a prop's set.
QString propPictureName(Prop p, int picture);

// Texts are composed with CR LF between lines; widgets want plain line feeds.
inline QString displayText(QString s) { return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Everything the scene holds, as one value.
struct SceneContent {
    QString strip;
    int frame = 0;
    std::array<PropState, size_t(Prop::Count)> props;
    std::array<ButtonState, size_t(Button::Count)> buttons;
    std::array<QString, size_t(Label::Count)> labels;
    QString germanTip;
    bool stVisible = false;
    QString petTip;
    bool speechOpen = false;
    QString speechText;
    QPoint speechPlace;
    int speechBringUps = 0;
    bool questionOpen = false;
    QString questionText;
    std::array<QString, 4> answers;
    QPoint questionPlace;
    int questionBringUps = 0;
    bool petShown = true;
};

class Scene : public QObject
{
    Q_OBJECT
public:
    enum Part {
        PetPicture = 1 << 0,
        Props = 1 << 1,
        Buttons = 1 << 2,
        Labels = 1 << 3,
        Speech = 1 << 4,
        Question = 1 << 5,
        PetWindow = 1 << 6,
        Presents = 1 << 7,
    };

    Scene();

    // The pet picture.
    QString strip() const { return m_c.strip; }
    int frame() const { return m_c.frame; }
    void setStrip(const QString &name);
    void setFrame(int n);

    const PropState &prop(Prop p) const { return m_c.props[size_t(p)]; }
    void setPropVisible(Prop p, bool visible);
    void moveProp(Prop p, int x, int y);
    void setPropPicture(Prop p, int picture);

    const ButtonState &button(Button b) const { return m_c.buttons[size_t(b)]; }
    void setButtonAvailable(Button b, bool available);
    void setButtonPressed(Button b, bool pressed);
    void setButtonToolTip(Button b, const QString &tip);

    QString label(Label l) const { return m_c.labels[size_t(l)]; }
    void setLabel(Label l, const QString &text);
    QString germanTimeToolTip() const { return m_c.germanTip; }
    void setGermanTimeToolTip(const QString &tip);
    bool summerMarkVisible() const { return m_c.stVisible; }
    void setSummerMarkVisible(bool v);
    QString petToolTip() const { return m_c.petTip; }
    void setPetToolTip(const QString &tip);

    // Speech window: its text and whether it is shown beside the pet (else parked).
    bool speechOpen() const { return m_c.speechOpen; }
    QString speechText() const { return m_c.speechText; }
    QPoint speechPlace() const { return m_c.speechPlace; } // twips
    void setSpeechText(const QString &text);
    void showSpeech(QPoint placeTwips);
    // The open window follows the pet window to a new place without being brought up again.
    void moveSpeech(QPoint placeTwips);
    // Counts the bring-ups, so a window can tell a new one from a move.
    int speechBringUps() const { return m_c.speechBringUps; }
    void parkSpeech();

    bool questionOpen() const { return m_c.questionOpen; }
    QString questionText() const { return m_c.questionText; }
    QString answer(int i) const { return m_c.answers[size_t(i)]; } // 1..3
    QPoint questionPlace() const { return m_c.questionPlace; }
    void setQuestion(const QString &text, const QString &a1, const QString &a2, const QString &a3);
    void showQuestion(QPoint placeTwips);
    void moveQuestion(QPoint placeTwips);
    int questionBringUps() const { return m_c.questionBringUps; }
    void parkQuestion();

    // The pet window: shown, or hidden while a game runs; its place on the screen (twips).
    bool petShown() const { return m_c.petShown; }
    void setPetShown(bool shown);

    void emitChanged(int parts) { notify(parts); }

    // The picture as a whole.
    ScenePicture picture() const;
    // While held, no change is told; gives the parts changed since the hold began (and ends it
    // with false).
    int holdChanges(bool hold);
    // Everything the scene holds, to be put back as it was without telling anyone (a moment
    // worked out ahead that must not stand).
    std::shared_ptr<const void> save() const;
    void restore(const std::shared_ptr<const void> &saved);

signals:
    void changed(int parts);
    // A dialog is being brought up: the pet window comes to the front (activate: take focus).
    void raisePet(bool activate);

private:
    void notify(int parts);
    bool m_holding = false;
    int m_heldParts = 0;
    SceneContent m_c;
};
