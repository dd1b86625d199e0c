#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A line of link text: drawn from the top-left corner, always underlined in
// the colour it is drawn in, one colour normally and another while the
// pointer is over it, with the hand pointer. Releasing the left button over
// it emits activated().
class Hyperlink : public QWidget {
    Q_OBJECT

public:
    Hyperlink(const QString& caption, const QColor& hoverColour, QWidget* parent);

    void setNormalColour(const QColor& colour);
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
    QColor normalColour_{Qt::black};
    QColor hoverColour_;
    bool hovered_ = false;
};
