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

    // Beside: the pages left of the editor; otherwise above it. The extent stays as it is.
    void setPagesBeside(bool beside);
    bool pagesBeside() const;

    void setExtent(int pixels);
    int extent() const { return m_extent; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyExtent();

    int m_extent = 152;
    bool m_applying = false;
};
