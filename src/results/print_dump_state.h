#pragma once

#include <fstream>
#include <string>

namespace quorvane {

/// Where the print dump goes and where the page viewer stands in it.
struct PrintDumpState {
    std::string PrintDumpPath = "Print Dump.txt";
    int FirstHeadingLine = 4;
    int LastHeadingLine = 6;
    int FirstDataLine = 9;
    int LinesPerPage = 20;
    int CurrentPage = 1;
    int EndOfPrintoutLine = -1;   ///< -1 until the end of the file has been met
    int ReadLine = 1;             ///< current read line of the open dump file
    int ScrollMaximum = 2;        ///< the page scroll bar's maximum
    std::ifstream Reader;         ///< the dump file while the page viewer reads it
};

}  // namespace quorvane
