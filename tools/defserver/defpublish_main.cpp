// defpublish: adds and withdraws definitions in the server's database.

#include <iostream>
#include <string>
#include <vector>

#include "publisher.h"
#include "server_dates.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return defserver::RunPublisher(arguments, std::cout, std::cerr, defserver::SystemNow());
}
