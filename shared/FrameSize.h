#pragma once

#include <QObject>
#include <QSize>

#include <optional>

class QWidget;

// A top-level window's size as the settings store it: with the window manager's frame, as the
// window's place (pos()) is the frame's. The frame is known only once the window manager has
// framed the shown window, some time after it is mapped: a size set before that is the window's
// own until then, is made the frame's as soon as the frame comes, and is what the window reports
// meanwhile, so that a value read and written back never drifts.
class FrameSize : public QObject {
    Q_OBJECT

public:
    static void setWidth(QWidget& window, int width);
    static void setHeight(QWidget& window, int height);
    static QSize of(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FrameSize(QWidget& window);
    static FrameSize& keeperOf(QWidget& window);
    static FrameSize* find(const QWidget& window);

    void setSize(const QSize& outer);
    QSize size() const;
    QSize frameExtent() const;

    QWidget& m_window;
    // The size set while the frame was not known yet, and what the window's own size was made.
    std::optional<QSize> m_wanted;
    QSize m_unframed;
};
