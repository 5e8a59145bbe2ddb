#include "app/DalvanaApp.h"

int main(int argc, char *argv[])
{
    return runDalvana(argc, argv);
}
