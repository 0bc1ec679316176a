<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>自动缩放</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translatorcomment>Delete last level</translatorcomment>
        <translation>删除上一个电平值</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>其他设置</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>返回</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>调整滤波器</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>耳机音量</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translatorcomment>Play audio data</translatorcomment>
        <translation>播放录音</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translatorcomment>Play next position</translatorcomment>
        <translation>播放下一位置</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>提示</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>必须连接声学传感器
才能进行此项测量。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>警告</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>无蓝牙连接。
请检查您的TB-9。</translation>
    </message>
</context>
</TS>
