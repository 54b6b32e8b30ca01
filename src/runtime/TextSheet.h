#pragma once

#include <string>
#include <vector>

namespace runtime {

// A table of texts meant for paper: a title line, the column titles and the
// rows of cells. A row can begin a group, which the paper sets apart from
// the rows before it with a light line.
struct TextSheet {
    struct Row {
        std::vector<std::string> cells;
        bool startsGroup = false;
    };

    std::string title;
    std::vector<std::string> headers;
    std::vector<Row> rows;
};

}  // namespace runtime
