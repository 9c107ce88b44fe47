<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>正解を祝って踊るダンサーたち</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>緑の丘の向こうから昇る太陽</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>おめでとうございます！やりましたね！</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>最速は誰？</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>遊び方は？</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Figurewheel の作者は？</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>数字はいくつにしますか？</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>やったー</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Figurewheel へようこそ！目標の数を作って、タイムに挑戦しましょう。- Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>あなたの式</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>この数に</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>数字を組み合わせて</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>回使用</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>ヒントを</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>答えを見ました！</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>完了です！</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>！！！お見事！！！</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>手持ちの数字 %1</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>あなたの式、マス %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>マス %1 とマス %2 の間の記号</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>答え、マス %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>答え、マス %1 とマス %2 の間の記号</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>途中結果</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>タイマー</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>数字 %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>記号 %1。あなたの式にドラッグしてください</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>途中結果：%1。</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>マス %1 とマス %2 の間：なし。</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>マス %1 とマス %2 の間：%3。</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>マス %1：空。</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>マス %1：%2。</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>答え、マス %1 とマス %2 の間：%3。</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>答え、マス %1：%2。</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>変化なし。</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>ヒント %1 回目。</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>答え：%1。</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>答えを隠しました。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>たす</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ひく</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>目標 %1。数字：%2。</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>%1 を手に取りました。</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>元に戻しました。</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>目標 %1。途中結果：%2。タイマー：%3 秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>最速は誰？</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>お名前は？</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>新記録です！</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>海を見つめる船乗り</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Figurewheel の風車</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>テスト用のベータ版です！</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Figurewheel について</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Figurewheel の遊び方</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>遊び方：数字の個数を選び、数字と記号をあなたの式にドラッグして目標の数にします。行き詰まったら「答え」や「ヒント」を使いましょう</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>ここをクリックしてパズルに挑戦！</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>パズルに挑戦！</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>これらの数字をたし算・ひき算・かけ算・わり算して、</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>この数を作れますか？</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>答えはこちら：</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>今度は自分のパズルを解いてみましょう！</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Figurewheel をお試しいただきありがとうございます！</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>数字と記号をここにドラッグして、あなたの式が目標の数になるようにしましょう！</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>ここをクリックして答えを見る</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>ここをクリックしてヒントを見る</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>作者：Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>Copyright © 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler はあなたの感想をお待ちしています！</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Ver. %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>お祝いの効果音</translation>
    </message>
</context>
</TS>
