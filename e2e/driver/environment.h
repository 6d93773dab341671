#pragma once
#include <string>
#include <vector>

// Where things are for one end-to-end run, settled once by main().
namespace e2e {

struct Environment {
    std::string driverFolder; // the folder of this program: trimlode.exe and the stand-ins lie beside it
    std::string trimlodeExe;
    std::string programFilesDir; // ProgramFilesDir as 32-bit programs see it: the demo installs below it
    std::string workFolder;      // scratch folder: the stand-ins' log and trimlode's current folder
    std::string screenshotPath;
    std::string problem; // why the run cannot work here (say, no ProgramFilesDir); empty when all is set
};

const Environment& Env();
void SetEnvironment(Environment environment);

// The stand-ins' log, one command line a line; empty when nothing was started.
std::vector<std::string> StandInLog();
void ClearStandInLog();

} // namespace e2e
