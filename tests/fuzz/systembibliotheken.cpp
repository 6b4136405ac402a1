#include "support/systembibliotheken.h"
