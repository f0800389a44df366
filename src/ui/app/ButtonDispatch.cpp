// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonDispatch.h"

#include "widgets/ImageButton.h"

#include <QList>

#include <algorithm>

static void setImageOn(QObject *button, const QString &name)
{
    if (name.isEmpty())
        return;
    if (auto *image = qobject_cast<ImageButton *>(button))
        image->setImage(name);
}

void ButtonDispatch::addRow(int order, QObject *button, Step command, Step before, Step after)
{
    Row row{order, button, std::move(before), std::move(command), std::move(after)};
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), order,
                                     [](int o, const Row &r) { return o < r.order; });
    m_rows.insert(at, std::move(row));
}

void ButtonDispatch::addImageRow(int order, QObject *button, const QString &imageBefore,
                                 const QString &imageAfter, Step command)
{
    QPointer<QObject> target(button);
    addRow(order, button, std::move(command), [target, imageBefore] { setImageOn(target, imageBefore); },
           [target, imageAfter] { setImageOn(target, imageAfter); });
}

bool ButtonDispatch::dispatch(QObject *object) const
{
    if (!object)
        return false;
    for (const Row &row : m_rows) {
        if (row.button.isNull() || row.button != object)
            continue;
        // Copy the steps: a command may add rows, which would move this one.
        const Step before = row.before, command = row.command, after = row.after;
        if (before)
            before();
        if (command)
            command();
        if (after)
            after();
        return true;
    }
    return false;
}

bool ButtonDispatch::contains(QObject *object) const
{
    return object && std::any_of(m_rows.begin(), m_rows.end(), [object](const Row &r) { return r.button == object; });
}

QList<int> ButtonDispatch::orders() const
{
    QList<int> out;
    for (const Row &r : m_rows)
        out.append(r.order);
    return out;
}

void HoverTable::addRow(QObject *button, const QString &enteredImage, const QString &exitedImage)
{
    m_rows.push_back({button, enteredImage, exitedImage});
}

bool HoverTable::entered(QObject *object) const
{
    for (const Row &row : m_rows) {
        if (object && row.button == object) {
            setImageOn(object, row.enteredImage);
            return true;
        }
    }
    return false;
}

bool HoverTable::exited(QObject *object) const
{
    for (const Row &row : m_rows) {
        if (object && row.button == object) {
            setImageOn(object, row.exitedImage);
            return true;
        }
    }
    return false;
}
