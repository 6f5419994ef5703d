#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vant {

// Holds a window busy while a long job runs on its thread, from construction to destruction:
// the wait cursor shows, and the window refuses keys, clicks and closing. Between the job's steps
// keepPainted() lets the window repaint (its captions and bar, and what a box uncovered) without
// taking input. Input that reached the window meanwhile is dropped before the scope ends, so that
// nothing pressed during the job acts after it. Boxes shown during the job take input as usual.
class BusyWindow : public QObject
{
    Q_OBJECT

public:
    explicit BusyWindow(QWidget *window);
    ~BusyWindow() override;

    void keepPainted();
    // keepPainted() at most every few hundredths of a second: for a step taken thousands of times.
    void keepPaintedNowAndThen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool belongsToWindow(QObject *object) const;

    QPointer<QWidget> m_window;
    QElapsedTimer m_sincePainted;
};

} // namespace vant
