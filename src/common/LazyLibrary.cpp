#include "common/LazyLibrary.h"

#include <dlfcn.h>

void LazyLibrary::open()
{
    std::call_once(m_opened, [this] {
        // Loaded for good: the functions handed out stay valid as long as the program runs.
        m_handle = dlopen(m_soname, RTLD_NOW | RTLD_LOCAL);
        if (m_handle == nullptr)
            m_error = QString::fromLocal8Bit(dlerror());
    });
}

void *LazyLibrary::function(const char *name)
{
    open();
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

QString LazyLibrary::errorText()
{
    open();
    return m_error;
}
