<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>为你解题成功而欢庆的舞者</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>太阳从青山后升起</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>恭喜！你成功了！</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>谁最厉害？</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>怎么玩？</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Figurewheel 是谁写的？</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>你想要几个数字？</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>万岁</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>欢迎来到 Figurewheel！凑出目标数，和时间赛跑吧。- Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>你的算式</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>凑出此数</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>用这些数字</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>次提示</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>你已使用</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>你偷看了！</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>完成了！</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>！！！干得漂亮！！！</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>第 %1 个可用数字</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>你的算式，第 %1 格</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>第 %1 格和第 %2 格之间的运算符</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>答案，第 %1 格</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>答案，第 %1 格和第 %2 格之间的运算符</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>当前结果</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>计时器</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n 个数字</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>运算符 %1，把它拖到你的算式里</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>当前结果：%1。</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>第 %1 格和第 %2 格之间：无。</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>第 %1 格和第 %2 格之间：%3。</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>第 %1 格：空。</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>第 %1 格：%2。</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>答案，第 %1 格和第 %2 格之间：%3。</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>答案，第 %1 格：%2。</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>没有变化。</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>第 %1 次提示。</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>答案：%1。</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>答案已隐藏。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>目标 %1。数字：%2。</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>已拿起 %1。</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>已放回。</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>目标 %1。当前结果：%2。计时：%3 秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>谁最厉害？</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>你叫什么名字？</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>新纪录诞生了！</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>眺望大海的水手</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Figurewheel 风车</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Beta 版，仅供测试！</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>关于 Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Figurewheel 怎么玩？</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>玩法：选择数字的个数，把数字和运算符拖到你的算式里，直到结果等于目标数；卡住时可以使用“答案”或“提示”</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>点击这里，开始解你自己的谜题！</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>解开谜题！</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>你能对这些数字进行加减乘除，</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>凑出这个数吗？</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>答案如下：</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>现在来解你自己的谜题吧！</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>感谢试玩 Figurewheel！</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>把数字和运算符拖到这里，直到你的算式等于目标数！</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>点击这里查看答案</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>点击这里获取提示</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>作者：Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games 版权所有</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler 很想听听你的想法！</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>庆祝音效</translation>
    </message>
</context>
</TS>
