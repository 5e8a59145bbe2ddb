// Every test program runs in a home of its own. Before main, HOME and the XDG folders
// point into a fresh temporary folder, so that nothing a test writes, nor any program
// it starts, reaches the user's files, and two test programs running at once share
// nothing. Run by hand or by CTest alike; the folder goes when the program ends.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return std::remove(path);
}

class TestHome
{
public:
    TestHome()
    {
        const char *tmp = std::getenv("TMPDIR");
        std::string root = std::string(tmp && *tmp ? tmp : "/tmp") + "/dalvana-test-home-XXXXXX";
        if (!mkdtemp(root.data())) {
            std::perror("a temporary home for the test");
            std::abort();
        }
        m_root = root;
        setenv("HOME", root.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (root + "/.local/share").c_str(), 1);
        setenv("XDG_STATE_HOME", (root + "/.local/state").c_str(), 1);
        setenv("XDG_CACHE_HOME", (root + "/.cache").c_str(), 1);
    }

    ~TestHome()
    {
        // Only the process that made it: a child forked without exec leaves it be.
        if (getpid() == m_owner)
            nftw(m_root.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }

    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

private:
    std::string m_root;
    pid_t m_owner = getpid();
};

const TestHome home;

} // namespace
