#pragma once
// The views that can carry a reference image, with the names the ".tva"
// format gives them. Kinds: 0 Left, 1 Right, 2 Front, 3 Back, 4 Top,
// 5 Bottom, 7 Perspective.
#include <string_view>

struct ReferenceViewName {
    int view;
    const char* name;
};

inline constexpr ReferenceViewName referenceViewNames[] = {
    {0, "lef"}, {1, "rig"}, {2, "fro"}, {3, "bac"}, {4, "top"}, {5, "bot"}, {7, "per"},
};

// The name of a view; "fro" for a kind not in the table.
inline const char* referenceViewName(int view)
{
    for (const ReferenceViewName& v : referenceViewNames)
        if (v.view == view)
            return v.name;
    return "fro";
}

// The kind of a named view; -1 for an unknown name.
inline int referenceViewOfName(std::string_view name)
{
    for (const ReferenceViewName& v : referenceViewNames)
        if (name == v.name)
            return v.view;
    return -1;
}

inline bool isReferenceView(long view)
{
    return (view >= 0 && view <= 5) || view == 7;
}
