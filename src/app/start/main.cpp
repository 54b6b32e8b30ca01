#include "app/start/Startup.h"

int main(int argc, char** argv) { return app::RunKestrany(argc, argv); }
