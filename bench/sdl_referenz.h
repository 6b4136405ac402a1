#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* Runs `bilder` frames of the naive loop at the desktop's size and rate,
 * into the window's surface (renderer "") or on SDL's render driver
 * `renderer`; 0 on success, with the process's CPU time and the wall time
 * per frame in milliseconds. */
int ReferenzschleifeLaufen(const char* renderer, int bilder, double* cpuMsJeBild, double* wandMsJeBild);

#ifdef __cplusplus
}
#endif
