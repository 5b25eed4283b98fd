#include "tests/support/unprivileged_user.h"

#include <algorithm>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The C library applies set*id and setgroups to every thread of the process; the system calls apply to the
// calling thread alone, as wanted here.
long ThreadCall(long number, long a, long b = 0) {
    return syscall(number, a, b);
}

__user_cap_header_struct ThisThread() {
    return {_LINUX_CAPABILITY_VERSION_3, 0};
}

} // namespace

UnprivilegedUser::UnprivilegedUser(uid_t user, gid_t group) {
    __user_cap_header_struct header = ThisThread();
    m_groups.resize(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    if (geteuid() != 0 || syscall(SYS_capget, &header, m_capabilities) != 0 ||
        getgroups(static_cast<int>(m_groups.size()), m_groups.data()) < 0) {
        return;
    }
    m_saved = true;
    __user_cap_data_struct none[2] = {m_capabilities[0], m_capabilities[1]};
    none[0].effective = 0;
    none[1].effective = 0;
    ThreadCall(SYS_setgroups, 0, 0);
    ThreadCall(SYS_setfsgid, static_cast<long>(group));
    ThreadCall(SYS_setfsuid, static_cast<long>(user));
    m_active = syscall(SYS_capset, &header, none) == 0;
}

UnprivilegedUser::~UnprivilegedUser() {
    if (!m_saved) {
        return;
    }
    // File access as the process's own user first: that raises the file capabilities again.
    ThreadCall(SYS_setfsuid, static_cast<long>(geteuid()));
    ThreadCall(SYS_setfsgid, static_cast<long>(getegid()));
    __user_cap_header_struct header = ThisThread();
    syscall(SYS_capset, &header, m_capabilities);
    ThreadCall(SYS_setgroups, static_cast<long>(m_groups.size()), reinterpret_cast<long>(m_groups.data()));
}
