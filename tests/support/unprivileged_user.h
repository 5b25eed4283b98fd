#pragma once

#include <sys/types.h>

#include <linux/capability.h>
#include <vector>

// While it lives, the thread that made it opens files as an ordinary user would: with the given user and group
// for file access, no supplementary groups and no capabilities (so no bypass of file modes or of a terminal's
// exclusive mode). Other threads keep their privileges. Needs root to start with.
class UnprivilegedUser {
public:
    UnprivilegedUser(uid_t user, gid_t group);
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

    // False when the privileges could not be dropped (the process is not root).
    bool active() const { return m_active; }

private:
    __user_cap_data_struct m_capabilities[2]{};
    std::vector<gid_t> m_groups;
    bool m_saved = false;
    bool m_active = false;
};
