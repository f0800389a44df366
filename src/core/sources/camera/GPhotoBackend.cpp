// SPDX-License-Identifier: GPL-3.0-or-later
#include "GPhotoBackend.h"

#include <QIODevice>
#include <QLoggingCategory>

#include <gphoto2/gphoto2.h>

Q_LOGGING_CATEGORY(lcGPhoto, "glimmerset.camera.gphoto", QtWarningMsg)

namespace {

// libgphoto2 reports its detailed reasons through the context; the last one is kept
// so a failure carries the driver's own words along with the result code.
void contextError(GPContext *, const char *text, void *data)
{
    *static_cast<QString *>(data) = QString::fromUtf8(text).trimmed();
}

// Small enough that a caller wanting only a file's head stops early, large enough
// that USB transfers stay efficient.
constexpr qint64 ChunkSize = 128 * 1024;

} // namespace

struct GPhotoBackend::Session {
    GPContext *context = nullptr;
    Camera *camera = nullptr;
    CameraAbilitiesList *abilities = nullptr;
    GPPortInfoList *ports = nullptr;
    QString lastError;

    ~Session()
    {
        if (camera) {
            gp_camera_exit(camera, context);
            gp_camera_unref(camera);
        }
        if (ports)
            gp_port_info_list_free(ports);
        if (abilities)
            gp_abilities_list_free(abilities);
        if (context)
            gp_context_unref(context);
    }
};

GPhotoBackend::GPhotoBackend(CameraInfo info)
    : m_info(std::move(info))
{
}

GPhotoBackend::~GPhotoBackend() = default;

CameraError GPhotoBackend::errorKind(int gpResult)
{
    switch (gpResult) {
    case GP_OK:
        return CameraError::None;
    case GP_ERROR_IO_USB_CLAIM:
    case GP_ERROR_IO_LOCK:
        return CameraError::Held;
    case GP_ERROR_IO_USB_FIND:
    case GP_ERROR_MODEL_NOT_FOUND:
    case GP_ERROR_FILE_NOT_FOUND:
    case GP_ERROR_DIRECTORY_NOT_FOUND:
    case GP_ERROR_UNKNOWN_PORT:
        return CameraError::Gone;
    case GP_ERROR_NOT_SUPPORTED:
        return CameraError::NotSupported;
    case GP_ERROR_CANCEL:
        return CameraError::Cancelled;
    default:
        return CameraError::Other;
    }
}

CameraResult GPhotoBackend::failure(int gpResult) const
{
    QString detail = QString::fromUtf8(gp_result_as_string(gpResult));
    if (m_session && !m_session->lastError.isEmpty() && m_session->lastError != detail)
        detail += QStringLiteral(": ") + m_session->lastError;
    qCDebug(lcGPhoto) << m_info.model << m_info.port << gpResult << detail;
    return CameraResult::failure(errorKind(gpResult), detail);
}

CameraResult GPhotoBackend::open()
{
    close();
    auto session = std::make_unique<Session>();
    session->context = gp_context_new();
    gp_context_set_error_func(session->context, &contextError, &session->lastError);
    m_session = std::move(session);
    Session &s = *m_session;

    int r = gp_abilities_list_new(&s.abilities);
    if (r >= GP_OK)
        r = gp_abilities_list_load(s.abilities, s.context);
    if (r < GP_OK)
        return failure(r);
    const int model = gp_abilities_list_lookup_model(s.abilities, m_info.model.toUtf8().constData());
    if (model < GP_OK)
        return failure(GP_ERROR_MODEL_NOT_FOUND);
    CameraAbilities abilities;
    gp_abilities_list_get_abilities(s.abilities, model, &abilities);

    r = gp_port_info_list_new(&s.ports);
    if (r >= GP_OK)
        r = gp_port_info_list_load(s.ports);
    if (r < GP_OK)
        return failure(r);
    // A path the list does not hold ("disk:/some/folder") is added by the matching
    // port driver, as the gphoto2 tool does for --port.
    const int port = gp_port_info_list_lookup_path(s.ports, m_info.port.toUtf8().constData());
    if (port < GP_OK)
        return failure(port == GP_ERROR_UNKNOWN_PORT ? port : GP_ERROR_UNKNOWN_PORT);
    GPPortInfo portInfo;
    gp_port_info_list_get_info(s.ports, port, &portInfo);
    // libgphoto2 does not check that the driver speaks the port's kind; a folder driver
    // given a serial port would otherwise browse the whole file system from "/".
    GPPortType portType = GP_PORT_NONE;
    gp_port_info_get_type(portInfo, &portType);
    if (!(abilities.port & portType))
        return failure(GP_ERROR_UNKNOWN_PORT);

    r = gp_camera_new(&s.camera);
    if (r >= GP_OK)
        r = gp_camera_set_abilities(s.camera, abilities);
    if (r >= GP_OK)
        r = gp_camera_set_port_info(s.camera, portInfo);
    if (r >= GP_OK)
        r = gp_camera_init(s.camera, s.context);
    if (r < GP_OK) {
        const CameraResult result = failure(r);
        gp_camera_unref(s.camera);
        s.camera = nullptr;
        return result;
    }
    return CameraResult::success();
}

void GPhotoBackend::close()
{
    m_session.reset();
}

CameraResult GPhotoBackend::listFolder(const QString &folder, QStringList *subfolders, QList<CameraItem> *files)
{
    if (!m_session || !m_session->camera)
        return failure(GP_ERROR_BAD_PARAMETERS);
    Session &s = *m_session;
    const QByteArray path = folder.toUtf8();
    CameraList *list = nullptr;
    gp_list_new(&list);
    int r = gp_camera_folder_list_files(s.camera, path.constData(), list, s.context);
    for (int i = 0; r >= GP_OK && i < gp_list_count(list); ++i) {
        const char *name = nullptr;
        gp_list_get_name(list, i, &name);
        CameraItem item;
        item.folder = folder;
        item.name = QString::fromUtf8(name);
        CameraFileInfo info;
        // A file whose details cannot be read is still listed, typed by its name.
        if (gp_camera_file_get_info(s.camera, path.constData(), name, &info, s.context) >= GP_OK) {
            if (info.file.fields & GP_FILE_INFO_TYPE)
                item.mimeType = QString::fromUtf8(info.file.type);
            if (info.file.fields & GP_FILE_INFO_SIZE)
                item.size = qint64(info.file.size);
            if (info.file.fields & GP_FILE_INFO_MTIME)
                item.modified = QDateTime::fromSecsSinceEpoch(info.file.mtime);
        }
        files->append(item);
    }
    if (r >= GP_OK) {
        gp_list_reset(list);
        r = gp_camera_folder_list_folders(s.camera, path.constData(), list, s.context);
        for (int i = 0; r >= GP_OK && i < gp_list_count(list); ++i) {
            const char *name = nullptr;
            gp_list_get_name(list, i, &name);
            subfolders->append(QString::fromUtf8(name));
        }
    }
    gp_list_free(list);
    return r < GP_OK ? failure(r) : CameraResult::success();
}

CameraResult GPhotoBackend::preview(const CameraItem &item, QByteArray *data)
{
    if (!m_session || !m_session->camera)
        return failure(GP_ERROR_BAD_PARAMETERS);
    Session &s = *m_session;
    CameraFile *file = nullptr;
    gp_file_new(&file);
    const int r = gp_camera_file_get(s.camera, item.folder.toUtf8().constData(), item.name.toUtf8().constData(),
                                     GP_FILE_TYPE_PREVIEW, file, s.context);
    if (r >= GP_OK) {
        const char *bytes = nullptr;
        unsigned long size = 0;
        gp_file_get_data_and_size(file, &bytes, &size);
        *data = QByteArray(bytes, qsizetype(size));
    }
    gp_file_unref(file);
    if (r >= GP_OK && data->isEmpty())
        return CameraResult::failure(CameraError::NotSupported, QStringLiteral("empty preview"));
    return r < GP_OK ? failure(r) : CameraResult::success();
}

CameraResult GPhotoBackend::download(const CameraItem &item, QIODevice *out,
                                     const std::function<bool(qint64, qint64)> &progress)
{
    if (!m_session || !m_session->camera)
        return failure(GP_ERROR_BAD_PARAMETERS);
    Session &s = *m_session;
    const QByteArray folder = item.folder.toUtf8();
    const QByteArray name = item.name.toUtf8();

    // Reading in pieces keeps memory flat for large movies and gives real progress;
    // drivers without partial reads hand over the whole file at once.
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        uint64_t size = uint64_t(buffer.size());
        const int r = gp_camera_file_read(s.camera, folder.constData(), name.constData(), GP_FILE_TYPE_NORMAL,
                                          uint64_t(done), buffer.data(), &size, s.context);
        if (r == GP_ERROR_NOT_SUPPORTED && done == 0)
            break;
        if (r < GP_OK)
            return failure(r);
        if (size == 0)
            return CameraResult::success();
        if (out->write(buffer.constData(), qint64(size)) != qint64(size))
            return CameraResult::failure(CameraError::Other, out->errorString());
        done += qint64(size);
        if (progress && !progress(done, item.size))
            return CameraResult::failure(CameraError::Cancelled, {});
        if (item.size >= 0 && done >= item.size)
            return CameraResult::success();
    }

    CameraFile *file = nullptr;
    gp_file_new(&file);
    const int r = gp_camera_file_get(s.camera, folder.constData(), name.constData(), GP_FILE_TYPE_NORMAL, file,
                                     s.context);
    CameraResult result = r < GP_OK ? failure(r) : CameraResult::success();
    if (r >= GP_OK) {
        const char *bytes = nullptr;
        unsigned long size = 0;
        gp_file_get_data_and_size(file, &bytes, &size);
        if (out->write(bytes, qint64(size)) != qint64(size))
            result = CameraResult::failure(CameraError::Other, out->errorString());
        else if (progress)
            progress(qint64(size), qint64(size));
    }
    gp_file_unref(file);
    return result;
}

CameraResult GPhotoBackend::remove(const CameraItem &item)
{
    if (!m_session || !m_session->camera)
        return failure(GP_ERROR_BAD_PARAMETERS);
    Session &s = *m_session;
    const int r = gp_camera_file_delete(s.camera, item.folder.toUtf8().constData(), item.name.toUtf8().constData(),
                                        s.context);
    return r < GP_OK ? failure(r) : CameraResult::success();
}
