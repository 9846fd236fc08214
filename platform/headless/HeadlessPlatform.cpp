#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>

void HeadlessPlatform::pause(int ms) {
    pausedMs += ms;
}

void HeadlessPlatform::playSound(const std::string& path, bool) {
    sounds.push_back(path);
}

void HeadlessPlatform::message(const std::string& text) {
    messages.push_back(text);
    if (echo) std::fprintf(stderr, "%s\n", text.c_str());
}

bool HeadlessPlatform::askYesNo(const std::string& text) {
    messages.push_back(text);
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

void HeadlessPlatform::fatal(const std::string& text) {
    messages.push_back(text);
    throw FatalError(text);
}

bool HeadlessPlatform::openUrl(const std::string& url) {
    urls.push_back(url);
    return browserStarts;
}
