#include "hidapi_bus.h"

#include <hidapi.h>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <unistd.h>
#endif

namespace quorvel {

namespace {

QString wide(const wchar_t* text) {
    return text ? QString::fromWCharArray(text) : QString();
}

// hidapi keeps the reason of the latest failure that had no device yet.
QString lastError() {
    const QString reason = wide(hid_error(nullptr));
    return reason.isEmpty() ? QStringLiteral("unknown reason") : reason;
}

} // namespace

QString hidapiVersion() { return QString::fromLatin1(hid_version_str()); }

HidBus& systemHidBus() {
    static HidapiBus bus;
    return bus;
}

HidapiBus::HidapiBus() {
    m_ready = hid_init() == 0;
    if (!m_ready)
        m_initError = lastError();
}

HidapiBus::~HidapiBus() {
    if (m_ready)
        hid_exit();
}

std::vector<HidInterface> HidapiBus::enumerate() {
    std::vector<HidInterface> found;
    if (!m_ready)
        return found;
    hid_device_info* const list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info; info = info->next)
        found.push_back({QByteArray(info->path ? info->path : ""), info->vendor_id,
                         info->product_id, wide(info->serial_number), wide(info->product_string)});
    hid_free_enumeration(list);
    return found;
}

HidBus::Handle HidapiBus::open(const QByteArray& path, QString* reason) {
    if (!m_ready) {
        if (reason)
            *reason = m_initError;
        return nullptr;
    }
    hid_device* const device = hid_open_path(path.constData());
    if (!device && reason)
        *reason = lastError();
    return device;
}

void HidapiBus::close(Handle handle) {
    if (handle)
        hid_close(static_cast<hid_device*>(handle));
}

bool HidapiBus::mayOpen(const QByteArray& path, QString* reason) {
    if (!m_ready) {
        if (reason)
            *reason = m_initError;
        return false;
    }
#ifdef Q_OS_LINUX
    // The hidraw backend names device nodes; access() weighs the same permissions and
    // ACLs (udev's uaccess) that opening would, without opening.
    if (path.startsWith("/dev/") && ::access(path.constData(), R_OK | W_OK) != 0) {
        if (reason)
            *reason = qt_error_string(errno);
        return false;
    }
#else
    Q_UNUSED(path);
#endif
    return true;
}

} // namespace quorvel
