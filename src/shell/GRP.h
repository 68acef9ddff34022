#pragma once
// The relaxation window: modeless, without owner.
class GRP {
public:
    static void ShowModeless();
};
