#include "EditCommandRunner.h"

#include <QCoreApplication>
#include <QMetaObject>

EditCommandRunner::EditCommandRunner(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

EditCommandRunner::~EditCommandRunner()
{
    cancel();
    m_pool.waitForDone();
}

bool EditCommandRunner::start(const QString &name, Command command)
{
    if (m_running)
        return false;
    m_running = true;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    Q_EMIT started(name);
    auto cancelFlag = m_cancel;
    m_pool.start([this, name, command = std::move(command), cancelFlag] {
        EditHooks hooks;
        hooks.cancel = cancelFlag.get();
        hooks.progress = [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { Q_EMIT progress(done, total); },
                                      Qt::QueuedConnection);
        };
        EditReport report = command(hooks);
        // The destructor waits for the pool, so `this` is alive for every call queued here.
        QMetaObject::invokeMethod(
            this,
            [this, name, report = std::move(report)] {
                m_running = false;
                Q_EMIT finished(name, report);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void EditCommandRunner::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void EditCommandRunner::waitForDone()
{
    m_pool.waitForDone();
    while (m_running)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
