// The tour's steps for the new create-table dialog.
#ifndef LOBBYUI_HOST_TOUR_STEPS_CREATE_NEW_H
#define LOBBYUI_HOST_TOUR_STEPS_CREATE_NEW_H

#include <vector>

#include "tour.h"

void AddNewCreateSteps(std::vector<TourStep>& steps);

#endif
