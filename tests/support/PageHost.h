#pragma once
// A stand-in for the main window under which a single page or the settings stack runs against a real
// kernel: it offers what pages call on the window (question and information boxes, which it records,
// file dialogs, the trip and log timers, the laps window) and drives the page the way a user does.
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QObject;
class QQmlEngine;
class QQuickItem;
class QQuickWindow;

namespace ArdixTest {

QQuickItem *findItem(QQuickItem *root, const QString &objectName);
QPoint centreOf(QQuickItem *item);
// What a user does with a mouse and a keyboard: a click in the middle of `item`; a click into a field,
// its text selected, then `text` typed key by key (any script), the focus left in the field.
void clickItem(QQuickWindow *window, QQuickItem *item);
bool typeKeys(QQuickWindow *window, QQuickItem *field, const QString &text);

class PageHost
{
public:
    PageHost();
    ~PageHost();

    bool open(QObject *kernel, QSize size = {1280, 760});
    void close();
    QQuickWindow *window() const { return m_window.get(); }

    // A page of qml/dialogs created over the window, with `kernel` and `window` set.
    QQuickItem *openDialog(const QString &file, const QVariantMap &props = {});
    // The settings stack with the dash menu on top.
    QQuickItem *openSettings();
    // Clicks a menu row of the stack and returns the page on top afterwards.
    QQuickItem *clickRow(QQuickItem *settings, const QString &rowName);

    void click(QQuickItem *item);
    // Focuses a text field, replaces its text by typing and confirms with Enter.
    bool type(QQuickItem *field, const char *text);
    // Replaces a field's text key by key and leaves the focus in it: what happens next is the test's.
    bool typeKeys(QQuickItem *field, const QString &text) { return ArdixTest::typeKeys(m_window.get(), field, text); }
    // A user's path through a combo: focus it and step down with the arrow key.
    void stepDown(QQuickItem *combo, int steps);

    // The laps window over a log file, as the window opens it.
    QObject *openLapsLog(const QString &path, bool external);

    // Texts of the question and information boxes shown so far, in order.
    QStringList messages() const;
    int questionCount() const;
    // The last question answered "yes", with the text it holds.
    void acceptLastQuestion();
    // Question boxes are accepted at once when set.
    void setAcceptQuestions(bool accept);
    // File dialogs asked for, as maps {devId, fileType, isImport, fileName}.
    QVariantList fileDialogs() const;

private:
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
};

} // namespace ArdixTest
