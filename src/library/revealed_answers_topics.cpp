// SPDX-License-Identifier: GPL-3.0-or-later
// The nodes of the questions whose answers are revealed: 智力题 and its
// brain-teasers, the geometry questions of 应用题 and the worked divisor
// problems.
#include <array>

#include "library/revealed_answers.h"

namespace tally {
namespace {

// The brain-teasers of 脑力体操, "?11" onwards in this order.
constexpr std::array<const char*, 68> kBrainTeasers = {
    "猫捉老鼠", "猎人的小屋", "金山寺大钟", "猫狗赛跑", "煎饼", "上楼梯", "网球", "汽水瓶",
    "称水", "半个小时", "最后一分钟", "蜘蛛的速度", "车队的分割", "卖西瓜", "50枚银元",
    "握手的人数", "猜帽子", "破密码", "猜扑克", "调饮料", "十堆味精", "剪布料", "666",
    "卖鸡蛋", "毛毛虫爬树", "骑车人和苍蝇", "旅行者和狗", "渡过海洋的航行", "求一个数",
    "战士过河", "轮船让路", "分饼干", "车票上算100", "多少镜子", "扔皮球", "剪绳子", "摸东西",
    "男孩是谁", "摸袜子", "摸手套", "打电话", "剪纸条", "修铁路", "牛吃草", "圣诞节礼物",
    "跳机", "打灯泡", "罚款", "求和", "刻字的价格", "唱针移动了多长", "多少人要迟到", "办事",
    "生日是几号", "混合液体", "火车过大桥", "正方形土地", "种多少棵树", "插多少面旗", "掉鸡蛋",
    "爸爸今年多少岁", "小敏比小琴多跳几下", "分针和时针的夹角", "分针转动的角度", "前进的距离",
    "分桃", "每隔几分钟开出一辆车", "追草帽"};

std::vector<TopicRow> puzzleRows() {
    std::vector<TopicRow> rows = {
        {"q55555", "智力题", "?55555", ""},
        {"q51", "脑力体操", "?1", "q55555", true},
        {"q59", "智力体操", "?5", "q55555", true},
        {"q52", "标准智力测试题", "?2", "q55555", true},
    };
    for (size_t i = 0; i < kBrainTeasers.size(); ++i) {
        const std::string digits = std::to_string(11 + i);
        rows.push_back({"q5" + digits, kBrainTeasers[i], "?" + digits, "q51"});
    }
    return rows;
}

}  // namespace

TopicSections RevealedAnswersFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab == "T9") return {{{{"q8005", "应用题", "{8005", "q800"}}}};
    if (tab == "T11") {
        return {{{
            {"q58", "几何题", "?3", "q5"},
            {"q5801", "求正方形面积", "?801", "q58"},
            {"q5802", "做红旗", "?802", "q58"},
            {"q5803", "求长方形周长", "?803", "q58"},
            {"q5804", "用铁丝围正方形", "?804", "q58"},
            {"q5805", "长方形变正方形", "?805", "q58"},
            {"q5806", "长方形的长和宽", "?806", "q58"},
            {"q5807", "求阴影面积", "?807", "q58"},
            {"q5808", "正方形里最大的圆", "?808", "q58"},
        }, "q5"}};
    }
    if (tab == "T12") return {{puzzleRows()}};
    return {};
}

}  // namespace tally
