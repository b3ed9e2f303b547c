<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CMainWindow</name>
        <message>
            <source>     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        </source>
            <translation>你已经正在玩一个游戏了。离开这个游戏并开始另一个吗?</translation>
        </message>
        <message>
            <source>你是否确信你要重新开始这个游戏?            </source>
            <translation>你确定要重新开始这个游戏吗?</translation>
        </message>
        <message>
            <source>你已经正在玩游戏。 离开这场游戏和打开另一个?                    </source>
            <translation>你已经正在玩游戏。离开这场游戏并打开另一个吗?</translation>
        </message>
        <message>
            <source>游戏在进行...      </source>
            <translation>游戏在进行...</translation>
        </message>
        <message>
            <source>是否你想要玩另一个游戏?             </source>
            <translation>你想再玩一个游戏吗?</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>新的游戏</translation>
        </message>
        <message>
            <source>- 游戏暂停中 - </source>
            <translation>- 游戏暂停中 -</translation>
        </message>
    </context>
    <context>
        <name>FootButtons</name>
        <message>
            <source>显示游戏信息...  </source>
            <translation>显示游戏信息...</translation>
        </message>
        <message>
            <source>退出游戏</source>
            <translation>退出游戏</translation>
        </message>
    </context>
    <context>
        <name>Game</name>
        <message>
            <source>Yellow</source>
            <translation>黄色</translation>
        </message>
        <message>
            <source>Purple</source>
            <translation>紫色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Orange</source>
            <translation>橙色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>Novice A.I.</source>
            <translation>电脑玩家(初学)</translation>
        </message>
        <message>
            <source>Average A.I.</source>
            <translation>电脑玩家(普通)</translation>
        </message>
        <message>
            <source>Advanced A.I.</source>
            <translation>电脑玩家(高级)</translation>
        </message>
        <message>
            <source>Expert A.I.</source>
            <translation>电脑玩家(专家)</translation>
        </message>
        <message>
            <source>Master A.I.</source>
            <translation>电脑玩家(大师)</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>游戏(&amp;G)</source>
            <translation>游戏(&amp;G)</translation>
        </message>
        <message>
            <source>新的游戏(&amp;N)...</source>
            <translation>新的游戏(&amp;N)...</translation>
        </message>
        <message>
            <source>重新开始游戏(&amp;R)   </source>
            <translation>重新开始游戏(&amp;R)</translation>
        </message>
        <message>
            <source>暂停游戏      </source>
            <translation>暂停游戏(&amp;P)</translation>
        </message>
        <message>
            <source>继续游戏(&amp;C)      </source>
            <translation>继续游戏(&amp;C)</translation>
        </message>
        <message>
            <source>打开游戏...     </source>
            <translation>打开游戏(&amp;O)...</translation>
        </message>
        <message>
            <source>保存游戏(&amp;S)...  </source>
            <translation>保存游戏(&amp;S)...</translation>
        </message>
        <message>
            <source>退出(&amp;E)</source>
            <translation>退出(&amp;E)</translation>
        </message>
        <message>
            <source>选项(&amp;O)  </source>
            <translation>选项(&amp;O)</translation>
        </message>
        <message>
            <source>取消移动(&amp;U)  </source>
            <translation>取消移动(&amp;U)</translation>
        </message>
        <message>
            <source>重做移动(&amp;R)  </source>
            <translation>重做移动(&amp;R)</translation>
        </message>
        <message>
            <source>建议移动(&amp;S)     </source>
            <translation>建议移动(&amp;S)</translation>
        </message>
        <message>
            <source>强制移动(&amp;F)   </source>
            <translation>强制移动(&amp;F)</translation>
        </message>
        <message>
            <source>转动棋盘向左           </source>
            <translation>转动棋盘向左</translation>
        </message>
        <message>
            <source>转动棋盘向右            </source>
            <translation>转动棋盘向右</translation>
        </message>
        <message>
            <source>查看统计(&amp;V)...        </source>
            <translation>查看统计(&amp;V)...</translation>
        </message>
        <message>
            <source>棋盘设定(&amp;B)...       </source>
            <translation>棋盘设定(&amp;B)...</translation>
        </message>
        <message>
            <source>声音设定...          </source>
            <translation>声音设定(&amp;D)...</translation>
        </message>
        <message>
            <source>选取壁纸(&amp;P)...       </source>
            <translation>选取壁纸(&amp;P)...</translation>
        </message>
        <message>
            <source>键盘快捷键(&amp;K)</source>
            <translation>键盘快捷键(&amp;K)</translation>
        </message>
        <message>
            <source>原样的文字(中文和英文)</source>
            <translation>原样的文字(中文和英文)</translation>
        </message>
        <message>
            <source>互联网(&amp;I)  </source>
            <translation>互联网(&amp;I)</translation>
        </message>
        <message>
            <source>在线支持          </source>
            <translation>在线支持</translation>
        </message>
        <message>
            <source>访问网站(&amp;V)      </source>
            <translation>访问网站(&amp;V)</translation>
        </message>
        <message>
            <source>帮助(&amp;H)</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>帮助(&amp;H)..</source>
            <translation>帮助(&amp;H)...</translation>
        </message>
        <message>
            <source>如何玩游戏...      </source>
            <translation>如何玩游戏...</translation>
        </message>
        <message>
            <source>游戏历史(&amp;G)...     </source>
            <translation>游戏历史(&amp;G)...</translation>
        </message>
        <message>
            <source>关於(&amp;A)...</source>
            <translation>关于(&amp;A)...</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>游戏退出.     </source>
            <translation>游戏结束。</translation>
        </message>
        <message>
            <source>2nd</source>
            <translation>第二名</translation>
        </message>
        <message>
            <source>3rd</source>
            <translation>第三名</translation>
        </message>
        <message>
            <source>4th</source>
            <translation>第四名</translation>
        </message>
        <message>
            <source>5th</source>
            <translation>第五名</translation>
        </message>
        <message>
            <source>6th</source>
            <translation>第六名</translation>
        </message>
        <message>
            <source>Game Time </source>
            <translation>游戏时间 </translation>
        </message>
        <message>
            <source>Turns Played: %1</source>
            <translation>已玩回合: %1</translation>
        </message>
        <message>
            <source>(%1) %2's turn</source>
            <translation>(%1) %2 的回合</translation>
        </message>
        <message>
            <source> - Time Remaining </source>
            <translation> - 剩余时间 </translation>
        </message>
        <message>
            <source>%1 wins</source>
            <translation>%1 获胜</translation>
        </message>
    </context>
    <context>
        <name>ToolBar</name>
        <message>
            <source>New</source>
            <translation>新游戏</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>重新开始</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>撤销</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>重做</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>强制 </source>
            <translation>强制</translation>
        </message>
        <message>
            <source>统计 </source>
            <translation>统计</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>帮助</translation>
        </message>
    </context>
    <context>
        <name>View</name>
        <message>
            <source>Halmora 汉化版    </source>
            <translation>Halmora 中国跳棋</translation>
        </message>
    </context>
</TS>
