#pragma once

#include <QSplitter>

// The splitter between the page control and the editor area. The pages keep their extent (their
// height above the editor, their width beside it) whatever the window's size: a larger window
// gives its room to the editor, and a window too small for the pages leaves the editor no room
// but gives the pages their extent back as it grows again. Dragging the handle sets the extent.
class PageSplitter : public QSplitter {
    Q_OBJECT

public:
    PageSplitter(QWidget* pages, QWidget* editor, QWidget* parent = nullptr);

    // Beside: the pages left of the editor; otherwise above it. The pages keep their width and
    // their height: each layout comes back with the extent it had, never the other's.
    void setPagesBeside(bool beside);
    bool pagesBeside() const;

    // The extent of the present layout.
    void setExtent(int pixels);
    int extent() const { return m_extents[slot()]; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyExtent();
    int slot() const { return orientation() == Qt::Horizontal ? 1 : 0; }

    // The height above the editor (the design's), and the width beside it (what the settings
    // give when none is stored).
    int m_extents[2] = {152, 225};
    bool m_applying = false;
};
