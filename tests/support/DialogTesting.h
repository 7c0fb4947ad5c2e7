#pragma once

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

// The button of a window with this caption, among those the window shows; null when there is
// none.
inline QPushButton* ButtonCalled(const QWidget& window, const QString& caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption && button->isVisibleTo(&window))
            return button;
    }
    return nullptr;
}

// Shows a window as the active one, as the user sees it, so that keys go where the focus is.
inline bool ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// The texts of these actions, in their order.
inline QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(action->text());
    return texts;
}
