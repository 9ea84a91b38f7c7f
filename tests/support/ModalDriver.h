#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Modal boxes run their own event loop, so a test drives them from inside it: the
// action runs on the first visible modal window of type T. Gives up after a few seconds
// so a box that never appears fails the test instead of hanging it.
template <typename T>
void whenModalShown(std::function<void(T *)> action)
{
    constexpr int kPollMilliseconds = 10;
    constexpr int kMaxPolls = 500;
    auto *timer = new QTimer;
    auto polls = std::make_shared<int>(0);
    timer->setInterval(kPollMilliseconds);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, action] {
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(window);
        } else if (++*polls > kMaxPolls) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// Finds a named child control, failing loudly when the box lacks it.
template <typename T>
T *control(QWidget *window, const QString &objectName)
{
    T *found = window->findChild<T *>(objectName);
    if (!found)
        qFatal("control %s not found", qPrintable(objectName));
    return found;
}

template <typename T, typename Window>
T *control(const std::unique_ptr<Window> &window, const QString &objectName)
{
    return control<T>(window.get(), objectName);
}
