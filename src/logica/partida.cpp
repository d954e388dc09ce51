#include "partida.h"
