#pragma once

#include <QWidget>

class QLabel;
class QToolButton;
class Thumbnailer;

// One row of the result table: the result's picture, the shown name, both size texts,
// the saving, and a button that shows the result file in the file manager. Rows are
// reused as the table scrolls, so everything shown comes from the last fill.
class PSTableNameCellView : public QWidget
{
    Q_OBJECT
public:
    explicit PSTableNameCellView(Thumbnailer *thumbnails, QWidget *parent = nullptr);

    QLabel *imageView() const { return m_imageView; }
    QLabel *fileNamelab() const { return m_fileNamelab; }
    QLabel *originalFileSizelab() const { return m_originalFileSizelab; }
    QLabel *restFileSizelab() const { return m_restFileSizelab; }
    QLabel *precentlab() const { return m_precentlab; }
    QToolButton *revealButton() const { return m_revealButton; }

    QString currentfilePath() const { return m_currentfilePath; }
    void setCurrentfilePath(const QString &path);

    // Reveals currentfilePath in the file manager.
    void ClickShowInFinderAction();

    // Column geometry, shared with the table's header so titles line up.
    static constexpr int RowHeight = 56;
    static constexpr int ThumbnailEdge = 44;
    static int nameColumnX() { return 68; }
    static int originalColumnX() { return 334; }
    static int restColumnX() { return 420; }
    static int percentColumnX() { return 506; }
    static int sizeColumnWidth() { return 82; }
    static int percentColumnWidth() { return 54; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showThumbnail();

    Thumbnailer *m_thumbnails;
    QLabel *m_imageView;
    QLabel *m_fileNamelab;
    QLabel *m_originalFileSizelab;
    QLabel *m_restFileSizelab;
    QLabel *m_precentlab;
    QToolButton *m_revealButton;
    QString m_currentfilePath;
};
