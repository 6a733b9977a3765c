// Until the ring engine lands: the same stand-in as the shell tests use.
#include "../shell/engine_stand_in.cpp"
