// SPDX-License-Identifier: Apache-2.0
#include "sample_texts.h"

#include <cstdint>
#include <iterator>
#include <utility>

#include "text/gbk_codec.h"

namespace harvela {
namespace {

constexpr std::size_t textSize = 16u << 20;

const char* const sentences[] = {
    "今天早上我们去公园散步, 看见很多老人在练习太极拳. ",
    "这个城市的交通越来越方便, 地铁和公共汽车几乎到处都有. ",
    "她把头发剪短了, 说夏天这样比较凉快. ",
    "学校图书馆每天开放到晚上十点, 学生们可以在那里复习功课. ",
    "经济发展以后, 人们的生活水平提高了很多. ",
    "请你把这份报告发给后台的同事, 他们需要在会议前看一遍. ",
    "我们买了两斤面条和一些新鲜的蔬菜, 准备晚上做饭. ",
    "这里的天气变化很快, 出门的时候最好带着雨伞. ",
    "他说明天会给我打电话, 讨论关于旅游的计划. ",
    "电脑里的资料应该经常备份, 免得丢失重要的文件. ",
    "历史博物馆里有许多珍贵的文物, 吸引了大批游客. ",
    "孩子们在操场上踢足球, 老师站在一边为他们加油. ",
};

// Sentences in a fixed pseudo-random order, a line break after every few.
std::string utf8Text()
{
    std::string text;
    std::uint32_t state = 12345;
    int sentencesOnLine = 0;
    while (text.size() < textSize * 3 / 2) {
        state = state * 1664525u + 1013904223u;
        text += sentences[(state >> 16) % std::size(sentences)];
        if (++sentencesOnLine == 4) {
            text += "\n";
            sentencesOnLine = 0;
        }
    }
    return text;
}

}  // namespace

const SampleTexts& sampleTexts()
{
    static const SampleTexts shared = [] {
        std::string utf8 = utf8Text();
        std::string gbk(utf8ToGbk(utf8).bytes());  // every sentence is GBK
        return SampleTexts{std::move(utf8), std::move(gbk)};
    }();
    return shared;
}

}  // namespace harvela
