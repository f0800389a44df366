// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

// One row of the compression result list: a photo the job processed, where its result
// went and both sizes. A plain value: the job fills it on its own thread and hands a
// copy over, so a reader never sees a half-filled entry and nothing changes it after.
// A new entry has every string null and both sizes 0.
class NSFileNode
{
public:
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }

    QString orignalPath() const { return m_orignalPath; }
    void setOrignalPath(const QString &path) { m_orignalPath = path; }

    QString restPath() const { return m_restPath; }
    void setRestPath(const QString &path) { m_restPath = path; }

    quint64 orignalFileSize() const { return m_orignalFileSize; }
    void setOrignalFileSize(quint64 size) { m_orignalFileSize = size; }

    quint64 restFileSize() const { return m_restFileSize; }
    void setRestFileSize(quint64 size) { m_restFileSize = size; }

    QString orignalFileSizeStr() const { return m_orignalFileSizeStr; }
    void setOrignalFileSizeStr(const QString &text) { m_orignalFileSizeStr = text; }

    QString restFileSizeStr() const { return m_restFileSizeStr; }
    void setRestFileSizeStr(const QString &text) { m_restFileSizeStr = text; }

    // The saving as the table shows it: "%d%%", 0% when the source measured 0 bytes.
    QString percentText() const;

    bool operator==(const NSFileNode &other) const = default;

private:
    QString m_fileName;
    QString m_orignalPath;
    QString m_restPath;
    quint64 m_orignalFileSize = 0;
    quint64 m_restFileSize = 0;
    QString m_orignalFileSizeStr;
    QString m_restFileSizeStr;
};

Q_DECLARE_METATYPE(NSFileNode)
