#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <string>

// A line of link text: drawn from the top-left corner, always underlined in
// the colour it is drawn in, in its text colour (the palette's WindowText, as
// setTextColour sets it) normally and in its hover colour while the pointer is
// over it, with the hand pointer. Releasing the left button over it emits
// activated().
class Hyperlink : public QWidget {
    Q_OBJECT

public:
    Hyperlink(const QString& caption, const QColor& hoverColour, QWidget* parent);

    QString caption() const { return caption_; }
    // The colour the caption and its underline are drawn in right now.
    QColor currentColour() const;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);

    QString caption_;
    QColor hoverColour_;
    bool hovered_ = false;
};

// Adds a hyperlink as control `id` of the open window `window`, raising a
// control event of type typePressed when it is activated. Returns null when
// that window is not open.
Hyperlink* createHyperlink(int window, int id, const std::string& caption, int x, int y, int w,
                           int h, const QColor& hoverColour);
