#pragma once

#include "metadata/EditReport.h"
#include "metadata/EditTarget.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// Runs one editor command at a time away from the main thread, so a large selection
// does not freeze the window. The command gets its inputs captured beforehand and
// never touches widgets; progress and the report come back as queued signals.
class EditCommandRunner : public QObject
{
    Q_OBJECT
public:
    using Command = std::function<EditReport(const EditHooks &hooks)>;

    explicit EditCommandRunner(QObject *parent = nullptr);
    ~EditCommandRunner() override;

    // False (and nothing started) while another command runs.
    bool start(const QString &name, Command command);
    bool isRunning() const { return m_running; }
    // Stops after the photo being written.
    void cancel();
    // Blocks until the running command has finished and its report was delivered (tests, shutdown).
    void waitForDone();

Q_SIGNALS:
    void started(const QString &name);
    void progress(int done, int total);
    void finished(const QString &name, const EditReport &report);

private:
    QThreadPool m_pool;
    bool m_running = false;
    std::shared_ptr<std::atomic_bool> m_cancel;
};
