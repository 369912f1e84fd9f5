// The live room measured: the lobby runs its loop under the server's churn
// for a while with a probe posting to it every few milliseconds, then prints
// what the room did, where the UI thread's time went (the library's list
// functions apart from the host's drawing of its view) and how long posted
// messages waited before they ran, ending with
//   live room latency p50 N ms p99 M ms
#ifndef LOBBYUI_HOST_LIVE_BENCH_H
#define LOBBYUI_HOST_LIVE_BENCH_H

#include "ui_post.h"  // Percentile

class LivingLobby;
class LobbyWindow;

int RunLiveBench(LivingLobby& living, LobbyWindow& lobby, double seconds);

#endif
