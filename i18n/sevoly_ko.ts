<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>로그 폴더</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Talkvane을 종료하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>오류: (파일을 열 수 없습니다)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>오류: (출력 장치가 이 형식을 지원하지 않아 오디오를 재생할 수 없습니다.)</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>음성을 인식하는 중…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>이미지 텍스트 - 번역</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>이미지 텍스트 - 인식</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>선택한 텍스트 - 번역</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>복사됨</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>말하지 않았거나 버튼을 너무 짧게 누른 것 같습니다</translation>
    </message>
</context>
</TS>
