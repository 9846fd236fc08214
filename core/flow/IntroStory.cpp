#include "core/flow/IntroStory.h"

IntroFrame IntroAnimation::tick(int windowHeight, int w, int h) {
    IntroFrame f;
    if (tag > 80 && phase == 3) return f;
    if (windowHeight + tag >= h + 10 && phase == 1) {
        phase = 2;
        tag = 1;
        f.takeCanvas = true;
    }
    if (tag > 180 && phase == 2) {
        phase = 3;
        tag = 1;
    }
    switch (phase) {
        case 1:
            tag += 2;
            f.kind = IntroFrame::Kind::Scroll;
            f.source = {0, tag, w, h};
            f.target = {0, 0, w, h - tag};
            break;
        case 2:
            tag += 3;
            f.kind = IntroFrame::Kind::Zoom;
            f.source = {0, 0, w, h};
            f.target = {0, 0, w + tag, h + tag};
            zoom = tag;
            break;
        default:
            tag += 2;
            f.kind = IntroFrame::Kind::Slide;
            f.source = {tag, 0, w, h};
            f.target = {0, 0, w + zoom - tag, h + zoom};
            break;
    }
    return f;
}

const std::vector<std::string>& IntroStory() {
    static const std::vector<std::string> lines = {
        "Великие Маги древности владели",
        "силой, перед которой склонялись",
        "короли и армии. Но и они, при",
        "всем своем могуществе, были",
        "смертны.",
        "",
        "Последователи Магов тайно хоро-",
        "нили своих учителей и скрывали",
        "их могилы ото всех: магическая",
        "энергия не покидала праха Вели-",
        "ких Магов и после их смерти.",
        "",
        "Говорят, что тот, кто прочтет",
        "над могилой Мага Заклятье",
        "Могущества, получит часть этой",
        "энергии. Но ни один смертный не",
        "может прочесть Заклятье более",
        "трех раз.",
        "",
        "Прошли века. Одному воину до-",
        "сталась часть дневника Назга,",
        "командира Черной Когорты, что",
        "охраняла Великого Мага Вахнара.",
        "В дневнике названо место, где",
        "погребен Вахнар. Но написан он",
        "на давно забытом рунном языке.",
        "",
        "Знание, нужное, чтобы прочесть",
        "руны, можно добыть лишь в Город-",
        "ских Хранилищах Знаний. Их зорко",
        "стерегут, и каждое откроет свою",
        "руну лишь тому, кто возьмет его",
        "штурмом.",
        "",
        "Собрав войско, воин отправился",
        "в путь по трем континентам, что-",
        "бы найти могилу Великого Мага и",
        "прочесть над ней Заклятье",
        "Могущества...",
    };
    return lines;
}

std::string IntroStoryText() {
    std::string text;
    for (const auto& line : IntroStory()) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}
