#include "ctl/ctl.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return q417::runCtl(args, std::cout, std::cerr);
}
