// The tour's gallery: one HTML page beside the screenshots with every step's
// picture, its name, what it does and the messages it brought, decoded. The
// page checks its own pictures: each one that loads or fails is counted in
// a line at the page's end ("images: N loaded, M failed"), which a headless
// browser's copy of the page shows.
#ifndef LOBBYUI_HOST_TOUR_GALLERY_H
#define LOBBYUI_HOST_TOUR_GALLERY_H

#include <string>
#include <vector>

struct GalleryEntry {
    std::string file;  // the screenshot's name in the directory
    std::string name;  // the step's name
    std::vector<std::string> messages;  // decoded, UTF-8
    std::vector<std::string> failures;
};

// What the step called name does, in a sentence; empty when unknown.
std::string AboutStep(const std::string& name);

// The page's text, UTF-8.
std::string GalleryHtml(const std::vector<GalleryEntry>& entries);

// Writes directory\index.html; false when it cannot.
bool WriteGallery(const std::string& directory, const std::vector<GalleryEntry>& entries);

#endif
