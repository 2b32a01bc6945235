#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// GLib's own type, declared here so that GLib's headers stay out of this one.
struct _GDBusConnection; // NOLINT(bugprone-reserved-identifier)

namespace q417 {

// Tells a running Plasma session that its configuration files changed under it, so that its input
// settings take the new values without a new login.
class KdeConfigNotifier {
public:
    virtual ~KdeConfigNotifier() = default;
    // `file` is the file's name in the configuration folder ("kcminputrc"), `group` the group whose
    // `keys` changed.
    virtual void configChanged(std::string_view file, std::string_view group, const std::vector<std::string>& keys) = 0;
    // The global mouse settings (double-click time, wheel lines) changed.
    virtual void globalMouseSettingsChanged() = 0;
};

// Plasma's own signals on the session bus. Without a session bus nothing is sent and nothing said:
// the files hold the values for the next login anyway.
class DbusKdeConfigNotifier final : public KdeConfigNotifier {
public:
    DbusKdeConfigNotifier();
    ~DbusKdeConfigNotifier() override;
    DbusKdeConfigNotifier(const DbusKdeConfigNotifier&) = delete;
    DbusKdeConfigNotifier& operator=(const DbusKdeConfigNotifier&) = delete;

    void configChanged(std::string_view file, std::string_view group, const std::vector<std::string>& keys) override;
    void globalMouseSettingsChanged() override;

private:
    struct BusUnref {
        void operator()(_GDBusConnection* bus) const;
    };
    // The session bus, opened at the first signal; null without one.
    _GDBusConnection* bus();

    std::unique_ptr<_GDBusConnection, BusUnref> bus_;
    bool busTried_ = false;
};

} // namespace q417
