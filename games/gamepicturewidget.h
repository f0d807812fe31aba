// A picture of a game window: the pet's frame or a panel face, loaded by name from the game pack's
// own resources (":/gameart/<name>.png", or "<name>@2x.png" where the device pixel ratio is
// above one). When a picture is missing it shows a plain rounded card
// with its label instead, so a window stays usable and readable either way.
#pragma once

#include <QLabel>
#include <QSize>
#include <QString>

class GamePictureWidget : public QLabel
{
    Q_OBJECT
public:
    explicit GamePictureWidget(QSize size, QWidget *parent = nullptr);

    // name is the resource's base name ("flip3", "panel0"); fallbackLabel is drawn on the card.
    void showPicture(const QString &name, const QString &fallbackLabel);
    QString pictureName() const { return m_name; }
    bool showsFallback() const { return m_fallback; }

    static QString resourcePath(const QString &name);

signals:
    // A press with the left button (panels are chosen by clicking them).
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap fallbackPixmap(const QString &label) const;
    QSize m_size;
    QString m_name;
    bool m_fallback = false;
};
