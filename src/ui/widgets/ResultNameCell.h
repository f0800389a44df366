// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QToolButton;
class Thumbnailer;

// One row of the result table: the result's picture, the shown name, both size texts,
// the saving, and a button that shows the result file in the file manager. Rows are
// reused as the table scrolls, so everything shown comes from the last fill.
class ResultNameCell : public QWidget
{
    Q_OBJECT
public:
    explicit ResultNameCell(Thumbnailer *thumbnails, QWidget *parent = nullptr);

    QLabel *imageView() const { return m_imageView; }
    QLabel *fileNamelab() const { return m_fileNamelab; }
    QLabel *originalFileSizelab() const { return m_originalFileSizelab; }
    QLabel *restFileSizelab() const { return m_restFileSizelab; }
    QLabel *percentlab() const { return m_percentlab; }
    QToolButton *revealButton() const { return m_revealButton; }

    QString currentfilePath() const { return m_currentfilePath; }
    void setCurrentfilePath(const QString &path);

    // A photo without a result: `state` ("Skipped", "Failed") where the saving goes and the
    // reason across the size columns, elided, whole in its tooltip. An empty state shows
    // the sizes again (rows are reused).
    void setProblem(const QString &state, const QString &reason);
    QLabel *reasonlab() const { return m_reasonlab; }

    // Reveals currentfilePath in the file manager.
    void ClickShowInFinderAction();

    // Column geometry for a row `width` wide, shared with the table's header so titles line
    // up. The name column takes what the window gains; the figures keep to the right.
    static constexpr int RowHeight = 56;
    static constexpr int ThumbnailEdge = 44;
    static int nameColumnX() { return 68; }
    static int originalColumnX(int width) { return width - 320; }
    static int restColumnX(int width) { return width - 234; }
    static int percentColumnX(int width) { return width - 148; }
    static int sizeColumnWidth() { return 82; }
    static int percentColumnWidth() { return 54; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showThumbnail();
    void elideReason();
    void layoutFigures();

    Thumbnailer *m_thumbnails;
    QLabel *m_imageView;
    QLabel *m_fileNamelab;
    QLabel *m_originalFileSizelab;
    QLabel *m_restFileSizelab;
    QLabel *m_percentlab;
    QLabel *m_reasonlab;
    QString m_reason;
    QToolButton *m_revealButton;
    QString m_currentfilePath;
};
