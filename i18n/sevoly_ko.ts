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
</TS>
