// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

// One row of the compression result list: a photo the job processed, where its result
// went and both sizes. A plain value: the job fills it on its own thread and hands a
// copy over, so a reader never sees a half-filled entry and nothing changes it after.
// A new entry has every string null and both sizes 0.
class ResultRow
{
public:
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }

    QString originalPath() const { return m_originalPath; }
    void setOriginalPath(const QString &path) { m_originalPath = path; }

    QString restPath() const { return m_restPath; }
    void setRestPath(const QString &path) { m_restPath = path; }

    quint64 originalFileSize() const { return m_originalFileSize; }
    void setOriginalFileSize(quint64 size) { m_originalFileSize = size; }

    quint64 restFileSize() const { return m_restFileSize; }
    void setRestFileSize(quint64 size) { m_restFileSize = size; }

    QString originalFileSizeStr() const { return m_originalFileSizeStr; }
    void setOriginalFileSizeStr(const QString &text) { m_originalFileSizeStr = text; }

    QString restFileSizeStr() const { return m_restFileSizeStr; }
    void setRestFileSizeStr(const QString &text) { m_restFileSizeStr = text; }

    // The saving as the table shows it: "%d%%", 0% when the source measured 0 bytes.
    QString percentText() const;

    bool operator==(const ResultRow &other) const = default;

private:
    QString m_fileName;
    QString m_originalPath;
    QString m_restPath;
    quint64 m_originalFileSize = 0;
    quint64 m_restFileSize = 0;
    QString m_originalFileSizeStr;
    QString m_restFileSizeStr;
};

Q_DECLARE_METATYPE(ResultRow)
