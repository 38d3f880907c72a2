// What the program needs of the operating system: the clock, chance, the
// one-copy lock, the end, its folder and files. One implementation per
// platform (src/platform/); tests use a scripted fake.
#pragma once

#include "app/outcome.h"

#include <optional>
#include <string>

namespace kulbo {

// Where a report goes unasked: beside the program, or into the browser's
// downloads, where the file keeps its name and the user's browser its place.
enum class ReportPlace { ProgramFolder, Downloads };

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class SystemPort {
public:
    virtual ~SystemPort() = default;

    virtual LocalTime Now() = 0;

    // Uniform pseudo-random value in [0, 1).
    virtual double Rnd() = 0;

    // Another copy of the program is already running.
    virtual bool PrevInstance() = 0;

    // Ends the program at once; no further handler runs.
    virtual void End() = 0;

    // Folder that holds the program file, as the file system names it, ending
    // without a separator; none when it cannot be found.
    virtual std::optional<std::string> ProgramFolder() = 0;

    // The characters that separate the folders of a path, the usual one first.
    virtual const char* PathSeparators() const = 0;

    // Writes text to the file at path, in the narrow code page with the line
    // ends as given, replacing any file of that name whole or not at all.
    virtual Outcome WriteTextFile(const std::string& path, const std::string& text) = 0;

    // The user's documents folder and home folder, when they exist.
    virtual std::optional<std::string> DocumentsFolder() = 0;
    virtual std::optional<std::string> HomeFolder() = 0;

    // A page writes its reports as downloads: WriteTextFile is then given
    // the file's name alone.
    virtual ReportPlace ReportsGoTo() const { return ReportPlace::ProgramFolder; }
};

}  // namespace kulbo
