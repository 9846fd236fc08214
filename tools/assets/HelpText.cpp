#include "tools/assets/HelpText.h"

namespace gen {

std::string helpPageHtml() {
    return R"(<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<title>Вестран — как играть</title>
</head>
<body>
<h1>Вестран</h1>
<p>Найдите могилу Великого Мага Вахнара.</p>
</body>
</html>
)";
}

}  // namespace gen
