#include "app/Startup.h"

int main(int argc, char* argv[]) {
    App app(argc, argv);
    int status = 0;
    try {
        brinolith::startUp();
        status = App::exec();
    } catch (const std::exception& e) {
        brinolith::reportUnhandledException(e);
    }
    brinolith::shutDown();
    return status;
}
