#pragma once

#include <QWidget>

#include <vector>

// A strip of bands along the top of a window. Each band lies on a row at its own left position,
// with a grip before it by which the user drags it along the row. A band never overlaps the one
// before it on its row (it is pushed to the right of it), and never reaches past the strip's
// right edge, so a centred text on it stays in sight. Rows without a visible band take no room,
// and the strip is as high as its rows.
class ControlBar : public QWidget {
    Q_OBJECT

public:
    // The grip's room before a band's left position.
    static constexpr int GripWidth = 11;

    explicit ControlBar(QWidget* parent = nullptr);

    // left is the position of the band itself; its grip lies in the GripWidth pixels before it.
    void addBand(QWidget* band, int row, int left);

    // -1 for a widget that is not a band.
    int bandPosition(const QWidget* band) const;
    // Positions left of the grip's room are taken as GripWidth.
    void setBandPosition(QWidget* band, int left);

    // A band's width; 0, as bands start, lets the band take its preferred width.
    void setBandWidth(QWidget* band, int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Band {
        QWidget* widget = nullptr;
        int row = 0;
        int left = GripWidth;
        int width = 0;
    };

    void layoutBands();
    int rowHeight(int row) const;
    int totalHeight() const;
    QRect gripRect(const Band& band) const;
    Band* find(const QWidget* widget);
    const Band* find(const QWidget* widget) const;
    int gripAt(const QPoint& pos) const;

    std::vector<Band> m_bands;
    int m_dragged = -1; // index of the band being dragged
    int m_dragOffset = 0;
    bool m_laying = false;
    int m_laidHeight = -1;
};
