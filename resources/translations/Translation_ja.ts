<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Show Log in Explorer</source>
        <translation>エクスプローラーでログを表示</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>ネットワークエラーです。接続を確認してください。</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>プログラムがクラッシュしました。</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>クラッシュレポートを開発者に送信してください。(%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>は現在利用可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>リクエストが多すぎます。しばらくしてから再度お試しください。</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>新しいバージョン %1 が利用可能です。製品ページを開きますか？</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
</TS>
