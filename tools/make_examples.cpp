// Writes the example models into examples/ (or the folder given) with the simulator's own writer.
// Usage: make_examples [folder]

#include <exception>
#include <iostream>

#include "examples.h"

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "examples";
    try {
        for (const std::string& name : quorvane::WriteExamples(folder)) std::cout << "wrote " << name << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
