// vantorel: a command-line host for the built module. The subcommands live in
// cmd_*.cpp and register themselves (Command.h).
#include <exception>
#include <iostream>

#include "tools/Command.h"

int main(int argc, char** argv)
{
    CLI::App app{"vantorel: drives the Vantorel instrument module from the command line"};
    app.require_subcommand(1);
    for (CommandAdder add : CommandRegistrar::commands())
        add(app);
    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::ParseError& e)
    {
        return app.exit(e);
    }
    catch (const std::exception& e)
    {
        std::cerr << "vantorel: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
