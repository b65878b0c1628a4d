<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>マウス設定</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>ログフォルダー</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Talkvane を終了しますか?</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>エラー: (ファイルを開けませんでした)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>エラー: (出力デバイスがこの形式に対応していないため、音声を再生できません。)</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>音声翻訳</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>音声を認識しています…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>画像の文字 - 翻訳</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>画像の文字 - 認識</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>選択テキスト - 翻訳</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>コピーしました</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>話していないか、ボタンを押す時間が短すぎたようです</translation>
    </message>
</context>
</TS>
