#pragma once

#include <QString>

#include <mutex>

// A shared library opened the first time one of its functions is wanted, never before: a
// run that never reads a HEIC photo or prints never loads libheif or CUPS, nor the dozens
// of libraries they bring, which would otherwise cost every start of the program.
class LazyLibrary
{
public:
    // soname as the system's loader knows it ("libcups.so.2").
    explicit LazyLibrary(const char *soname) : m_soname(soname) {}
    LazyLibrary(const LazyLibrary &) = delete;
    LazyLibrary &operator=(const LazyLibrary &) = delete;

    // The library's function of that name; null when the library or the function cannot
    // be had, which errorText then says. Safe from any thread.
    void *function(const char *name);
    // Why the library could not be opened; empty while it could.
    QString errorText();

private:
    void open();

    const char *m_soname;
    std::once_flag m_opened;
    void *m_handle = nullptr;
    QString m_error;
};

// Points pointer at the library's function of that name; false when there is none.
template <typename Function>
bool resolveFunction(LazyLibrary &library, Function *&pointer, const char *name)
{
    pointer = reinterpret_cast<Function *>(library.function(name));
    return pointer != nullptr;
}

// A table of a library's functions, filled once, the first time it is asked for.
template <typename Table>
struct LibraryFunctions
{
    Table functions;
    bool complete = false; // every function was found
    QString missing;       // why not, when not
};

// fill points each member of the table at the library's function and says whether all
// were found; one table of each type is ever made.
template <typename Table>
const LibraryFunctions<Table> &loadFunctions(const char *soname, bool (*fill)(LazyLibrary &, Table &))
{
    static const LibraryFunctions<Table> loaded = [&] {
        static LazyLibrary library(soname);
        LibraryFunctions<Table> table;
        table.complete = fill(library, table.functions);
        table.missing = library.errorText().isEmpty() ? QString::fromLatin1(soname) : library.errorText();
        return table;
    }();
    return loaded;
}

// An interface of function pointers named after the library's own functions, listed once
// as FUNCTIONS(X): QUILTERA_LAZY_MEMBER declares them, QUILTERA_LAZY_RESOLVE fills those of
// a local `functions` from a local `library`, clearing a local `found` for any missing.
#define QUILTERA_LAZY_MEMBER(name) decltype(&::name) name = nullptr;
#define QUILTERA_LAZY_RESOLVE(name) found = resolveFunction(library, functions.name, #name) && found;
