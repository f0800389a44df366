// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QObject;

// The controller's table from image buttons to commands. A posted button is compared
// with each row's button in row order; the first match runs (artwork before, command,
// artwork after) and ends the dispatch; a button in no row changes nothing. Features
// add their own rows with the order number their buttons have always had.
class ButtonDispatch
{
public:
    using Step = std::function<void()>;

    void addRow(int order, QObject *button, Step command, Step before = {}, Step after = {});
    // A row whose artwork is set on the posting button itself; empty names leave it as is.
    void addImageRow(int order, QObject *button, const QString &imageBefore, const QString &imageAfter,
                     Step command);

    // Runs the first matching row; false when none matched.
    bool dispatch(QObject *object) const;
    bool contains(QObject *object) const;
    QList<int> orders() const;

private:
    struct Row {
        int order;
        QPointer<QObject> button;
        Step before;
        Step command;
        Step after;
    };
    std::vector<Row> m_rows;
};

// Hover artwork: the picture a button shows while the pointer is over it and after.
class HoverTable
{
public:
    void addRow(QObject *button, const QString &enteredImage, const QString &exitedImage);
    bool entered(QObject *object) const;
    bool exited(QObject *object) const;

private:
    struct Row {
        QPointer<QObject> button;
        QString enteredImage;
        QString exitedImage;
    };
    std::vector<Row> m_rows;
};
